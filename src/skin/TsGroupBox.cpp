#include "skin/TsGroupBox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>

#include "skin/QtFace.h"
#include "skin/TsSkinManager.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/TextFormat.h"

TsGroupBox::TsGroupBox(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent), SkinData(*this, QStringLiteral("GROUPBOX")) {
    SkinData.PaintsFace = true;
    SkinData.BuildFace = [this](int) { return BuildFace(); };
    SkinData.OnSkinChanged = [this] { UpdateClientArea(); };
    UpdateClientArea();
}

void TsGroupBox::SetCaptionLayout(TsCaptionLayout layout) {
    captionLayout_ = layout;
    CaptionChanged();
}

void TsGroupBox::SetCaptionMargin(const TsMargin& margin) {
    captionMargin_ = margin;
    CaptionChanged();
}

void TsGroupBox::SetCaptionYOffset(int offset) {
    captionYOffset_ = offset;
    CaptionChanged();
}

void TsGroupBox::SetCaptionSkin(const QString& section) {
    captionSkin_ = section.toUpper();
    CaptionChanged();
}

void TsGroupBox::SetCaptionWidth(int width) {
    captionWidth_ = std::max(0, width);
    CaptionChanged();
}

void TsGroupBox::SetCaption(const QString& caption) {
    setTitle(caption);
    CaptionChanged();
}

void TsGroupBox::CaptionChanged() {
    UpdateClientArea();
    SkinData.Invalidate();
}

QMargins TsGroupBox::StandardMargins() const {
    QStyleOptionGroupBox box;
    initStyleOption(&box);
    const QRect contents =
        style()->subControlRect(QStyle::CC_GroupBox, &box, QStyle::SC_GroupBoxContents, this);
    return QMargins(contents.left() - box.rect.left(), contents.top() - box.rect.top(),
                    box.rect.right() - contents.right(), box.rect.bottom() - contents.bottom());
}

// Under a skin the frame is the skin's and the caption strip is H tall (CaptionYOffset
// included); the frame keeps the standard two-pixel bevel on the other sides. Without a skin
// the style's caption stands, moved by the offset.
void TsGroupBox::UpdateClientArea() {
    constexpr int kBevel = 2;
    QMargins margins = StandardMargins();
    if (SkinData.Skinned())
        margins = QMargins(kBevel, GroupCaptionHeight(Geometry()), kBevel, kBevel);
    else
        margins.setTop(margins.top() + captionYOffset_);
    margins.setTop(std::clamp(margins.top(), 0, std::max(0, height())));
    if (margins != contentsMargins()) setContentsMargins(margins);
}

// The standard group box sets its margins again whenever its style, font or title change;
// every such change passes through here, and the client area is laid over it once more.
bool TsGroupBox::event(QEvent* event) {
    const bool handled = QGroupBox::event(event);
    if (event->type() == QEvent::ContentsRectChange || event->type() == QEvent::Resize ||
        event->type() == QEvent::StyleChange)
        UpdateClientArea();
    return handled;
}

TsCaptionGeometry TsGroupBox::Geometry() const {
    const QFontMetrics metrics(font());
    TsCaptionGeometry g;
    g.Width = width();
    g.TextWidth = metrics.size(Qt::TextSingleLine | Qt::TextShowMnemonic, title()).width();
    g.LetterHeight = metrics.height();
    g.Layout = captionLayout_;
    g.Margin = captionMargin_;
    g.YOffset = captionYOffset_;
    g.CaptionWidth = captionWidth_;
    g.Skinned = SkinData.Skinned();
    g.RightToLeft = layoutDirection() == Qt::RightToLeft;
    return g;
}

QRect TsGroupBox::CaptionRect() const {
    const TRect r = GroupCaptionRect(Geometry());
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

std::shared_ptr<TBitmap> TsGroupBox::BuildFace() {
    auto face = skinpaint::NewFacePicture(std::max(1, width()), std::max(1, height()));
    const TsFaceBinding binding = SkinData.Binding();
    if (binding.Skin == nullptr) return face;
    TsGroupBoxContent content;
    content.Caption = title().toLocal8Bit().toStdString();
    content.Geometry = Geometry();
    const bool rtl = content.Geometry.RightToLeft;
    const int horizontal =
        captionWidth_ == 0 ? int(Qt::AlignHCenter) : int(rtl ? Qt::AlignRight : Qt::AlignLeft);
    content.TextFormat =
        static_cast<std::uint32_t>(int(Qt::TextSingleLine) | int(Qt::AlignVCenter) |
                                   int(Qt::TextShowMnemonic) | horizontal |
                                   (rtl ? int(Qt::TextForceRightToLeft) : 0)) |
        kTextEndEllipsis;
    content.Enabled = isEnabled();
    TsSkinManager* manager = SkinData.SkinManager();
    content.CaptionSection =
        captionSkin_.isEmpty() ? -1 : manager->GetSkinIndex(captionSkin_.toStdString());
    if (content.CaptionSection < 0) content.CaptionSection = manager->GetSkinIndex("CHECKBOX");
    TQtSkinText renderer(font());
    PaintGroupBoxFace(renderer, binding, SkinData.ParentBackground(), *face, content);
    return face;
}

void TsGroupBox::changeEvent(QEvent* event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LayoutDirectionChange)
        CaptionChanged();
}

void TsGroupBox::paintEvent(QPaintEvent* event) {
    if (!SkinData.Paint(event)) QGroupBox::paintEvent(event);
}
