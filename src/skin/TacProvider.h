#pragma once

#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <memory>

class TsSkinProvider;

class TsSkinManager;

// The adapter of one automatically skinned window: marks the window skinned for the
// application-wide style, which then paints its controls from the skin, and gives the window
// the skin's colours and a skinned frame. Toolkit dialogs take the DIALOG section (their title
// DIALOGTITLE, else FORMTITLE), the application's own forms FORM. Taking the adapter away gives
// the window back its own palette, frame and margins.
class TacProvider {
public:
    enum class Kind { Form, Dialog };

    TacProvider(QWidget& window, Kind kind, TsSkinManager& manager);
    ~TacProvider();
    TacProvider(const TacProvider&) = delete;
    TacProvider& operator=(const TacProvider&) = delete;

    // Takes the skin's colours again (after a skin change).
    void Refresh();
    // Gives the window back its palette and mark.
    void Restore();
    // The window is going: nothing of it is touched any more.
    void Release() { window_.clear(); }
    QWidget* Window() const { return window_; }
    Kind WindowKind() const { return kind_; }
    // Whether the adapter's window is the automatically skinned one that property names.
    static bool AutoSkinned(const QWidget* window);

private:
    QPalette SkinPalette() const;
    void AttachFrame();
    void DetachFrame();

    QPointer<QWidget> window_;
    Kind kind_;
    TsSkinManager& manager_;
    QPalette saved_;
    bool hadOwnPalette_ = false;
    // The skinned frame and what it changed on the window.
    QPointer<TsSkinProvider> frame_;
    QMargins savedMargins_;
    Qt::WindowFlags savedFlags_;
};
