#include "skin/TsLabelFX.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

#include "skin/QtFace.h"
#include "skin/TsSkinManager.h"
#include "skin/paint/FacePictures.h"
#include "skin/paint/LabelFace.h"

TsLabelFX::TsLabelFX(const QString& caption, QWidget* parent) : TsLabel(caption, parent) {
    FitToText();
}

void TsLabelFX::SetShadow(const TsShadow& shadow) {
    shadow_ = shadow;
    FitToText();
    update();
}

void TsLabelFX::SetKind(const TsKind& kind) {
    kind_ = kind;
    update();
}

TsShadowValues TsLabelFX::EffectiveShadow() const {
    const TsShadowValues own{shadow_.Color, shadow_.BlurCount, shadow_.Distance};
    return ResolveShadow(shadow_.Mode, own, ActiveSkin());
}

bool TsLabelFX::ShadowActive() const {
    const TsSkinManager* manager = SkinData.SkinManager();
    if (manager != nullptr && manager->Loading()) return false;
    if (shadow_.Mode == smNone && SkinSection().isEmpty()) return false;
    return ShadowShows(EffectiveShadow());
}

QSize TsLabelFX::TextExtent() const {
    // An empty caption (or a lone accelerator mark) is measured as a blank, so the label keeps
    // the height of a line.
    QString measured = text();
    if (measured.isEmpty() || (ShowAccelChar && measured == QStringLiteral("&")))
        measured += QLatin1Char(' ');
    const int flags = int(wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine) |
                      int(ShowAccelChar ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
    QSize size = QFontMetrics(font()).size(flags, measured);
    if (ShadowActive()) {
        const TsShadowValues shadow = EffectiveShadow();
        const int grow = ShadowOffsRightBottom(shadow) - ShadowOffsTopLeft(shadow);
        size += QSize(grow, grow);
    }
    return size;
}

std::uint32_t TsLabelFX::TextFormat() const {
    return static_cast<std::uint32_t>(
        int(QStyle::visualAlignment(layoutDirection(), alignment())) |
        int(ShowAccelChar ? Qt::TextShowMnemonic : Qt::TextHideMnemonic) |
        int(wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine));
}

TColor TsLabelFX::FXTextColor() const {
    // ktStandard draws in the label's font colour: its background colour (the opaque
    // composition's) would hide the text.
    const TColor own = FromQColor(palette().color(QPalette::WindowText));
    return LabelFXTextColor(kind_.KindType, kind_.Color, own, ActiveSkin(), SectionIndex());
}

void TsLabelFX::paintEvent(QPaintEvent* event) {
    const TsSkinManager* manager = SkinData.SkinManager();
    if ((manager != nullptr && manager->Loading()) ||
        (shadow_.Mode == smNone && SkinSection().isEmpty()) || width() <= 0 || height() <= 0) {
        TsLabel::paintEvent(event);
        return;
    }
    auto face = skinpaint::NewFacePicture(width(), height());
    const TRect all{0, 0, width(), height()};
    skinpaint::FillFromParent(*face, all, ToCacheInfo(SkinData.ParentBackground()));
    TsLabelFXContent content;
    content.Text = text().toLocal8Bit().toStdString();
    content.Rect = all;
    content.Format = TextFormat();
    content.Shadow = EffectiveShadow();
    content.TextColor = FXTextColor();
    content.Enabled = isEnabled();
    content.Transparent = Transparent;
    content.LabelColor = FromQColor(palette().color(QPalette::Window));
    content.Section.Skin = ActiveSkin();
    content.Section.SectionIndex = SectionIndex();
    content.DisabledLight = FromQColor(palette().color(QPalette::Light));
    content.DisabledDark = FromQColor(palette().color(QPalette::Dark));
    TQtSkinText renderer(font());
    PaintLabelFX(renderer, *face, content, mask_);
    QPainter painter(this);
    painter.drawImage(0, 0, FaceImage(*face));
}
