#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

// Gives a window's menu shortcuts precedence over its controls. Text controls claim keys such
// as Ctrl+C for themselves before shortcuts are looked at; for every key that is the shortcut
// of one of the window's enabled actions, the guard refuses that claim, so the action runs
// wherever the focus is inside the window.
class TMenuShortcutGuard : public QObject {
public:
    explicit TMenuShortcutGuard(QWidget& window);

    bool IsWindowShortcut(const QKeyEvent& event) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
};
