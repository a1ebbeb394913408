#include "skin/TsGlyphButton.h"

#include <QIcon>
#include <QPixmap>

TsGlyphButton::TsGlyphButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), SkinData(*this, QStringLiteral("BUTTON")) {
    skinnedbutton::Bind(SkinData, *this, glyph_);
}

void TsGlyphButton::SetImages(const TsAlphaImageList* images) {
    glyph_.Images = images;
    GlyphChanged();
}

void TsGlyphButton::SetImageIndex(int index) {
    glyph_.ImageIndex = index;
    GlyphChanged();
}

void TsGlyphButton::SetGlyphOptions(const TsGlyphOptions& options) {
    glyph_ = options;
    GlyphChanged();
}

// The standard look, shown while no skin is active, carries the same image as an icon.
void TsGlyphButton::GlyphChanged() {
    const QImage image = skinnedbutton::GlyphImage(glyph_);
    setIcon(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
    if (!image.isNull()) setIconSize(image.size());
    SkinData.Invalidate();
}

void TsGlyphButton::paintEvent(QPaintEvent* event) {
    if (!SkinData.Paint(event)) QPushButton::paintEvent(event);
}
