#pragma once

#include <QObject>
#include <QPointer>

#include "skin/TsGlowOverlay.h"

class QWidget;
class TsCommonData;

// The glow of a skinned control while the mouse is over it: its section's GLOW0 picture
// reaching GLOWMARGIN less the picture's margins beyond the control, drawn in the control's
// window and cut to it. It goes when the mouse leaves, the control hides or is disabled, the
// window deactivates or the skin changes, and shows only while the manager allows glowing.
class TsControlGlow : public QObject {
public:
    TsControlGlow(QWidget& control, TsCommonData& skinData);
    ~TsControlGlow() override;

    bool Showing() const;
    // The window's overlay while there is one (tests look at it).
    const TsGlowOverlay* Overlay() const { return overlay_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ControlEvent(QEvent& event);
    void WindowEvent(QEvent& event);
    void WatchWindow();
    // Shows the glow where it belongs now, or hides it when it may not show.
    void Show();
    void Hide();
    bool Allowed() const;

    QWidget& control_;
    TsCommonData& skinData_;
    QPointer<QWidget> window_;
    QPointer<TsGlowOverlay> overlay_;
    // Between the mouse's entering and leaving the control.
    bool hovered_ = false;
};
