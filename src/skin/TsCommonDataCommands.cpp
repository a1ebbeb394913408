// The skin commands a bound control answers, colour adoption and hover fading.
#include <QTimer>
#include <QWidget>

#include "skin/QtFace.h"
#include "skin/TsCommonData.h"
#include "skin/TsSkinCommand.h"
#include "skin/TsSkinManager.h"
#include "skin/paint/PaintFace.h"

bool TsCommonData::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &control_ && event->type() == TsSkinCommandEvent::EventType()) {
        Command(static_cast<TsSkinCommandEvent&>(*event));
        return true;
    }
    if (watched != &control_) return false;
    switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Move:
        case QEvent::EnabledChange:
        case QEvent::PaletteChange:
        case QEvent::FontChange:
            backgroundChanged_ = true;
            break;
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            // The state changes after the control has seen the event.
            if (State && PaintsFace) QTimer::singleShot(0, this, [this] { StateChanged(false); });
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            if (State && PaintsFace) QTimer::singleShot(0, this, [this] { StateChanged(true); });
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

void TsCommonData::Command(TsSkinCommandEvent& command) {
    TsSkinManager* manager = SkinManager();
    const bool ours = command.Param == manager;
    switch (command.Command) {
        case CmdIsSkinned:
            command.Reply(1);
            return;
        case CmdRefresh:
        case CmdSetNewSkin:
            if (ours) Refresh(true);
            PassToChildren(control_, command.Command, command.Argument, command.Param);
            command.Reply(1);
            return;
        case CmdRemoveSkin:
            if (ours) Unskin();
            PassToChildren(control_, command.Command, command.Argument, command.Param);
            command.Reply(1);
            return;
        case CmdSetUpdating:
            updating_ = command.Argument == 1;
            command.Reply(1);
            return;
        case CmdEndUpdate:
            updating_ = false;
            Invalidate();
            command.Reply(1);
            return;
        case CmdCacheState:
            command.Reply(OutOfDate() || updating_ ? 1 : 0);
            return;
        case CmdInvalidateCache:
            backgroundChanged_ = true;
            if (command.Argument == 1) control_.update();
            command.Reply(1);
            return;
        case CmdClearCaches:
            face_.reset();
            image_ = QImage();
            backgroundChanged_ = true;
            PassToChildren(control_, command.Command, command.Argument, command.Param);
            command.Reply(1);
            return;
        case CmdGetSkinIndex:
            if (command.Param != nullptr) *static_cast<int*>(command.Param) = skinIndex_;
            command.Reply(1);
            return;
        case CmdGetColor:
            command.Reply(static_cast<std::intptr_t>(
                SkinColor(Binding(), [this] { return ParentBackground(); })));
            return;
        case CmdGetBackground: {
            if (command.Param == nullptr || !Skinned()) return;
            TsBackgroundOwner owner{Binding(),  State ? State() : 0, PaintsFace ? Face() : nullptr,
                                    PaintsFace, control_.x(),        control_.y()};
            // The answer's offsets start at this control; the asker adds its own position.
            BackgroundInfo answer = AnswerBackground(owner, [this] {
                BackgroundInfo info = ParentBackground();
                info.OffsetX -= control_.x();
                info.OffsetY -= control_.y();
                return info;
            });
            *static_cast<BackgroundInfo*>(command.Param) = answer;
            command.Reply(1);
            return;
        }
        default:
            return;
    }
}

void TsCommonData::Refresh(bool adoptColours) {
    TsSkinManager* manager = SkinManager();
    skinIndex_ = manager != nullptr ? manager->GetSkinIndex(section_.toStdString()) : -1;
    if (skinIndex_ < 0 && manager != nullptr && manager->Content() != nullptr) {
        Unskin();
        return;
    }
    backgroundChanged_ = true;
    if (adoptColours) AdoptColours();
    control_.update();
    if (OnSkinChanged) OnSkinChanged();
}

void TsCommonData::Unskin() {
    skinIndex_ = -1;
    face_.reset();
    image_ = QImage();
    fade_.Stop();
    if (adopted_) control_.setPalette(ownPalette_);
    adopted_ = false;
    backgroundChanged_ = true;
    control_.update();
    if (OnSkinChanged) OnSkinChanged();
}

void TsCommonData::AdoptColours() {
    TsSkinManager* manager = SkinManager();
    TsSkinContent* skin = manager != nullptr ? manager->Content() : nullptr;
    if (skin == nullptr) return;
    int fontSection = skinIndex_;
    if (ParentFontColor && control_.parentWidget() != nullptr) {
        int parentIndex = -1;
        SendSkinCommand(*control_.parentWidget(), CmdGetSkinIndex, 0, &parentIndex);
        fontSection = parentIndex;
    }
    if (!adopted_) ownPalette_ = control_.palette();
    QPalette palette = control_.palette();
    if (!CustomColor && skinIndex_ >= 0 && !ParentFontColor) {
        const QColor colour = ToQColor(static_cast<TColor>(
            skin->GeneralData[static_cast<std::size_t>(skinIndex_)].Props[0].Color));
        for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, colour);
    }
    if (!CustomFont && fontSection >= 0) {
        const QColor text = ToQColor(static_cast<TColor>(
            skin->GeneralData[static_cast<std::size_t>(fontSection)].Props[0].FontColor));
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, text);
    }
    control_.setPalette(palette);
    adopted_ = true;
}

void TsCommonData::StateChanged(bool mouseButton) {
    const TsFaceBinding binding = Binding();
    const TsGeneralData* section =
        binding.Skin != nullptr
            ? &binding.Skin->GeneralData[static_cast<std::size_t>(binding.SectionIndex)]
            : nullptr;
    TsSkinManager* manager = SkinManager();
    const std::uint8_t events = manager != nullptr ? manager->AnimEffects.Buttons.Events : 0;
    const bool allowed = events != 0 && control_.isEnabled();
    if (section != nullptr && section->FadingEnabled && allowed && face_ && !backgroundChanged_ &&
        fade_.Start(face_, section->FadingIterations, mouseButton)) {
        backgroundChanged_ = true;
        if (fadeTimer_ == nullptr) {
            fadeTimer_ = new QTimer(this);
            fadeTimer_->setInterval(TsFadeAnimation::kIntervalMs);
            connect(fadeTimer_, &QTimer::timeout, this, [this] { Tick(); });
        }
        fadeTimer_->start();
        Tick();
        return;
    }
    fade_.Stop();
    Invalidate();
}

void TsCommonData::Tick() {
    if (!control_.isEnabled()) fade_.Stop();
    // The new face is built once, on the first step; later steps only blend.
    std::shared_ptr<TBitmap> frame = fade_.Tick([this] { return Face(); });
    if (frame) {
        shown_ = FaceImage(*frame);
    } else {
        shown_ = QImage();
        if (fadeTimer_ != nullptr) fadeTimer_->stop();
    }
    control_.update();
}
