#include "skin/TsControlGlow.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include "skin/QtFace.h"
#include "skin/TsCommonData.h"
#include "skin/TsGlowOverlay.h"
#include "skin/TsSkinCommand.h"
#include "skin/TsSkinManager.h"
#include "skin/paint/GlowFace.h"

TsControlGlow::TsControlGlow(QWidget& control, TsCommonData& skinData)
    : control_(control), skinData_(skinData) {
    control_.installEventFilter(this);
    WatchWindow();
}

TsControlGlow::~TsControlGlow() {
    delete overlay_;
}

bool TsControlGlow::Showing() const {
    return overlay_ != nullptr && overlay_->isVisible();
}

bool TsControlGlow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &control_)
        ControlEvent(*event);
    else if (watched == window_)
        WindowEvent(*event);
    return QObject::eventFilter(watched, event);
}

void TsControlGlow::ControlEvent(QEvent& event) {
    if (event.type() == TsSkinCommandEvent::EventType()) {
        // Every skin change closes the glow: its picture may be gone with the old skin.
        const int command = static_cast<TsSkinCommandEvent&>(event).Command;
        if (command == CmdRefresh || command == CmdSetNewSkin || command == CmdRemoveSkin) Hide();
        return;
    }
    switch (event.type()) {
        case QEvent::Enter:
            hovered_ = true;
            Show();
            break;
        case QEvent::Leave:
            hovered_ = false;
            Hide();
            break;
        case QEvent::Hide:
            Hide();
            break;
        case QEvent::EnabledChange:
            if (control_.isEnabled() && hovered_)
                Show();
            else
                Hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            if (Showing()) Show();
            break;
        case QEvent::ParentChange:
            Hide();
            WatchWindow();
            break;
        default:
            break;
    }
}

void TsControlGlow::WindowEvent(QEvent& event) {
    switch (event.type()) {
        case QEvent::WindowDeactivate:
            Hide();
            break;
        case QEvent::WindowActivate:
            if (hovered_ && control_.underMouse()) Show();
            break;
        case QEvent::Resize:
            // The window lays its children out after it has seen its new size.
            if (Showing())
                QTimer::singleShot(0, this, [this] {
                    if (Showing()) Show();
                });
            break;
        default:
            break;
    }
}

void TsControlGlow::WatchWindow() {
    QWidget* window = control_.window();
    if (window == window_) return;
    if (window_ != nullptr) window_->removeEventFilter(this);
    delete overlay_;
    window_ = window != &control_ ? window : nullptr;
    if (window_ != nullptr) window_->installEventFilter(this);
}

bool TsControlGlow::Allowed() const {
    const TsSkinManager* manager = skinData_.SkinManager();
    // The glow is drawn inside our own window, so the platform's layered windows are not
    // needed: the manager's switch alone decides.
    return manager != nullptr && manager->Effects.AllowGlowing && skinData_.Skinned() &&
           window_ != nullptr && control_.isVisible() && control_.isEnabled();
}

void TsControlGlow::Show() {
    // A control may reach another window without being told: its parent was moved there.
    WatchWindow();
    if (!Allowed()) {
        Hide();
        return;
    }
    const TsSkinContent& skin = *skinData_.SkinManager()->Content();
    const TsGlowSource glow = FindControlGlow(skin, skinData_.SkinIndex());
    const QPoint origin = control_.mapTo(window_, QPoint(0, 0));
    const TRect target{origin.x(), origin.y(), origin.x() + control_.width(),
                       origin.y() + control_.height()};
    const GlowPlacement placement = PlaceGlow(target, glow.Margins(), glow.GlowMargin,
                                              TRect{0, 0, window_->width(), window_->height()});
    const std::shared_ptr<TBitmap> face = PaintGlowFace(skin, glow, placement);
    const QImage picture = face ? AlphaFaceImage(*face) : QImage();
    if (picture.isNull()) {
        Hide();
        return;
    }
    if (overlay_ == nullptr) overlay_ = new TsGlowOverlay(*window_);
    const TRect& v = placement.Visible;
    overlay_->ShowPicture(QRect(v.left, v.top, v.Width(), v.Height()), picture);
}

void TsControlGlow::Hide() {
    if (overlay_ != nullptr) overlay_->hide();
}
