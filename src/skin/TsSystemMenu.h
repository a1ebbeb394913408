#pragma once

#include <QMenu>
#include <QPoint>
#include <functional>

class QAction;

// A window's system menu, drawn by the skin like every other pop-up: Restore, Move, Size,
// Minimize, Maximize and Close, each enabled for the window's state and acting on it.
class TsSystemMenu : public QMenu {
public:
    explicit TsSystemMenu(QWidget* window);

    // Opens the window's system menu (made on first use) with its top-left at globalPos.
    static TsSystemMenu* Popup(QWidget* window, QPoint globalPos);

    // Enables the commands for the window's state and draws their glyphs in the skin's colours.
    void UpdateCommands();

    // Moving and sizing where the window system cannot start them (startSystemMove or
    // startSystemResize answered false): whoever draws the window's frame puts its own loop
    // here. Empty by default: the command then does nothing.
    static std::function<void(QWidget* window)>& MoveFallback();
    static std::function<void(QWidget* window)>& SizeFallback();

    QAction* Restore = nullptr;
    QAction* Move = nullptr;
    QAction* Size = nullptr;
    QAction* Minimize = nullptr;
    QAction* Maximize = nullptr;
    QAction* Close = nullptr;

private:
    void StartMove();
    void StartSize();
    void UpdateGlyphs();

    QWidget* window_;
};
