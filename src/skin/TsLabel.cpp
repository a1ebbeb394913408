#include "skin/TsLabel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include "platform/raster/PixelBlends.h"
#include "skin/LabelColours.h"
#include "skin/QtFace.h"
#include "skin/TsSkinManager.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/PaintFace.h"

TsLabel::TsLabel(const QString& caption, QWidget* parent)
    : QLabel(parent), SkinData(*this, QString()) {
    SkinData.ParentFontColor = true;
    SkinData.OnSkinChanged = [this] { FitToText(); };
    setTextFormat(Qt::PlainText);
    SetCaption(caption);
}

void TsLabel::SetCaption(const QString& caption) {
    setText(caption);
    FitToText();
}

void TsLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    FitToText();
}

void TsLabel::SetSkinSection(const QString& section) {
    skinSection_ = section.toUpper();
    FitToText();
    update();
}

void TsLabel::SetUseSkinColor(bool use) {
    useSkinColor_ = use;
    update();
}

QSize TsLabel::TextExtent() const {
    return sizeHint();
}

void TsLabel::FitToText() {
    if (autoSize_) resize(TextExtent());
}

void TsLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (OnResize) OnResize();
}

TsSkinContent* TsLabel::ActiveSkin() const {
    TsSkinManager* manager = SkinData.SkinManager();
    return manager != nullptr ? manager->Content() : nullptr;
}

int TsLabel::SectionIndex() const {
    TsSkinManager* manager = SkinData.SkinManager();
    if (skinSection_.isEmpty() || manager == nullptr || manager->Content() == nullptr) return -1;
    return manager->GetSkinIndex(skinSection_.toStdString());
}

TColor TsLabel::TextColor() const {
    TColor colour = FromQColor(palette().color(QPalette::WindowText));
    TsSkinContent* skin = ActiveSkin();
    if (skin == nullptr) return colour;
    if (const TsGeneralData* section = skinpaint::SectionAt(*skin, SectionIndex())) {
        colour = static_cast<TColor>(section->Props[0].FontColor) & 0xFFFFFF;
    } else if (useSkinColor_) {
        colour = LabelFontColor(*this, *skin).value_or(colour);
    }
    // A disabled label keeps 40 % of its colour over its parent's.
    if (!isEnabled()) colour = MixColors(colour, ParentColor(*this), 0.4) & 0xFFFFFF;
    return colour;
}

bool TsLabel::PaintSectionFace(QPainter& painter) const {
    const int index = SectionIndex();
    // The skin file's first section names the skin itself; it has no face to paint.
    if (index <= 0 || width() <= 0 || height() <= 0) return false;
    TsFaceBinding binding;
    binding.Skin = ActiveSkin();
    binding.SectionIndex = index;
    auto face = skinpaint::NewFacePicture(width(), height());
    PaintControlFace(binding, SkinData.ParentBackground(), false, *face,
                     TRect{0, 0, width(), height()}, 0);
    painter.drawImage(0, 0, FaceImage(*face));
    return true;
}

void TsLabel::DrawPlainText(QPainter& painter, TColor colour) const {
    QPalette shown = palette();
    shown.setColor(QPalette::WindowText, ToQColor(colour));
    int flags = int(QStyle::visualAlignment(layoutDirection(), alignment()));
    if (wordWrap()) flags |= Qt::TextWordWrap;
    style()->drawItemText(&painter, contentsRect(), flags, shown, true, text(),
                          QPalette::WindowText);
}

void TsLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) FitToText();
}

void TsLabel::paintEvent(QPaintEvent* event) {
    // Without a skin the platform draws the label, its disabled look included.
    if (ActiveSkin() == nullptr) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    PaintSectionFace(painter);
    DrawPlainText(painter, TextColor());
}

void TsLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TsLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click && OnClick) OnClick();
}
