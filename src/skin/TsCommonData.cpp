#include "skin/TsCommonData.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "skin/QtFace.h"
#include "skin/TsSkinCommand.h"
#include "skin/TsSkinManager.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/PaintFace.h"

bool TsCommonData::IsBound(const QWidget& control) {
    return control.property(kBindingProperty).toBool();
}

TsCommonData::TsCommonData(QWidget& control, QString section)
    : QObject(nullptr), control_(control) {
    // A control without a section of its own is painted by the section named after its class.
    section_ = section.isEmpty() ? QString::fromLatin1(control.metaObject()->className()).toUpper()
                                 : section.toUpper();
    control_.installEventFilter(this);
    control_.setProperty(kBindingProperty, true);
}

TsCommonData::~TsCommonData() = default;

TsSkinManager* TsCommonData::SkinManager() const {
    return manager_ != nullptr ? manager_ : TsSkinManager::DefaultManager();
}

void TsCommonData::SetSkinManager(TsSkinManager* manager) {
    manager_ = manager == TsSkinManager::DefaultManager() ? nullptr : manager;
    Refresh(true);
}

void TsCommonData::SetSkinSection(const QString& section) {
    const QString upper = section.isEmpty() ? QStringLiteral("UNKNOWN") : section.toUpper();
    if (upper == section_) return;
    section_ = upper;
    TsSkinManager* manager = SkinManager();
    if (manager == nullptr || manager->Content() == nullptr) return;
    if (manager->GetSkinIndex(section_.toStdString()) >= 0) {
        SendSkinCommand(control_, CmdSetNewSkin, 0, manager);
    } else {
        SendSkinCommand(control_, CmdRemoveSkin, 0, manager);
    }
}

bool TsCommonData::Skinned() const {
    const TsSkinManager* manager = SkinManager();
    return manager != nullptr && manager->Content() != nullptr && skinIndex_ >= 0;
}

TsFaceBinding TsCommonData::Binding() const {
    TsFaceBinding binding;
    if (!Skinned()) return binding;
    binding.Skin = SkinManager()->Content();
    binding.SectionIndex = skinIndex_;
    binding.CustomColor = CustomColor;
    binding.OwnColor = FromQColor(control_.palette().color(control_.backgroundRole()));
    return binding;
}

BackgroundInfo TsCommonData::ParentBackground() const {
    BackgroundInfo info;
    QWidget* parent = control_.parentWidget();
    if (parent != nullptr) {
        TsSkinCommandEvent ask(CmdGetBackground, 0, &info);
        QCoreApplication::sendEvent(parent, &ask);
        if (!ask.Answered) {
            info = BackgroundInfo{};
            info.BgType = BackgroundInfo::PlainColor;
            info.Color = FromQColor(parent->palette().color(parent->backgroundRole()));
        }
    } else {
        info.BgType = BackgroundInfo::PlainColor;
        info.Color = FromQColor(control_.palette().color(QPalette::Window));
    }
    info.OffsetX += control_.x();
    info.OffsetY += control_.y();
    return info;
}

std::shared_ptr<TBitmap> TsCommonData::DefaultFace(int state) const {
    const int width = std::max(1, control_.width()), height = std::max(1, control_.height());
    auto face = skinpaint::NewFacePicture(width, height);
    PaintControlFace(Binding(), ParentBackground(), true, *face, TRect{0, 0, width, height}, state);
    return face;
}

bool TsCommonData::OutOfDate() const {
    if (backgroundChanged_ || !face_) return true;
    if (face_->PixelWidth() != control_.width() || face_->PixelHeight() != control_.height())
        return true;
    return FaceContent && FaceContent() != faceContent_;
}

std::shared_ptr<TBitmap> TsCommonData::Face() {
    if (!Skinned()) return nullptr;
    if (OutOfDate()) {
        const int state = State ? State() : 0;
        if (FaceContent) faceContent_ = FaceContent();
        try {
            face_ = BuildFace ? BuildFace(state) : DefaultFace(state);
        } catch (...) {
            face_.reset();
        }
        image_ = face_ ? FaceImage(*face_) : QImage();
        backgroundChanged_ = false;
        // Children that show this face through their own have to be built again over the new
        // one; a child asking for it while it builds only gets one more paint.
        PassToChildren(control_, CmdInvalidateCache, 1, SkinManager());
    }
    return face_;
}

bool TsCommonData::Paint(QPaintEvent*) {
    if (!PaintsFace || !Skinned()) return false;
    if (!(fade_.Running() && !shown_.isNull()) && !Face()) return false;
    QPainter painter(&control_);
    painter.drawImage(0, 0, fade_.Running() && !shown_.isNull() ? shown_ : image_);
    return true;
}

void TsCommonData::Invalidate() {
    backgroundChanged_ = true;
    control_.update();
}
