// The form's show and hide animations: the window's opacity stepped every 12 ms. With the
// main window's settings (Time 0) there is no step and nothing animates.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "skin/TsSkinManager.h"
#include "skin/TsSkinProvider.h"
#include "skin/paint/FormAnimation.h"

void TsSkinProvider::ShowAnimation() {
    // A form shown again after its hide animation gets its opacity back.
    if (hidden_) {
        hidden_ = false;
        form_.setWindowOpacity(opacityBeforeHide_);
    }
    if (shownBefore_) return;
    shownBefore_ = true;
    const TsSkinManager* manager = Manager();
    if (manager == nullptr || !AllowAnimation || !translucent_) return;
    const TacFormShow& effect = manager->AnimEffects.FormShow;
    if (!effect.Active || AnimationSteps(effect.Time) == 0) {
        if (OnAfterAnimation) OnAfterAnimation();
        return;
    }
    const double final = form_.windowOpacity();
    auto frames = std::make_shared<std::vector<TsAnimationFrame>>(ShowAnimationFrames(
        effect.Time, 255, effect.Mode == atAero, form_.width(), form_.height()));
    auto* timer = new QTimer(this);
    timer->setInterval(kAnimationStepMs);
    auto next = std::make_shared<std::size_t>(0);
    connect(timer, &QTimer::timeout, this, [this, timer, frames, next, final] {
        if (*next >= frames->size()) {
            timer->deleteLater();
            form_.setWindowOpacity(final);
            if (OnAfterAnimation) OnAfterAnimation();
            return;
        }
        form_.setWindowOpacity(final * (*frames)[(*next)++].Alpha / 255.0);
    });
    form_.setWindowOpacity(0);
    timer->start();
}

// Closing runs the fade in a loop of its own: the window is going away, and for the main
// window the application ends right after, so the loop never takes longer than a second.
void TsSkinProvider::HideAnimation() {
    const TsSkinManager* manager = Manager();
    if (hidden_ || manager == nullptr || !AllowAnimation || !translucent_) return;
    const TacFormHide& effect = manager->AnimEffects.FormHide;
    if (!effect.Active || effect.Time == 0) return;
    hidden_ = true;
    const double start = opacityBeforeHide_ = form_.windowOpacity();
    QElapsedTimer clock;
    clock.start();
    for (const TsAnimationFrame& frame : HideAnimationFrames(
             effect.Time, 255, effect.Mode == atAero, form_.width(), form_.height(), true)) {
        if (clock.elapsed() >= kMaxBlockingHideMs) break;
        form_.setWindowOpacity(start * frame.Alpha / 255.0);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(kAnimationStepMs);
    }
}
