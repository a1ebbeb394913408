#include "skin/TsBitBtn.h"

#include <QIcon>
#include <QPixmap>

TsBitBtn::TsBitBtn(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), SkinData(*this, QStringLiteral("BUTTON")) {
    skinnedbutton::Bind(SkinData, *this, glyph_);
}

void TsBitBtn::SetImages(const TsAlphaImageList* images) {
    glyph_.Images = images;
    GlyphChanged();
}

void TsBitBtn::SetImageIndex(int index) {
    glyph_.ImageIndex = index;
    GlyphChanged();
}

void TsBitBtn::SetGlyphOptions(const TsGlyphOptions& options) {
    glyph_ = options;
    GlyphChanged();
}

// The standard look, shown while no skin is active, carries the same image as an icon.
void TsBitBtn::GlyphChanged() {
    const QImage image = skinnedbutton::GlyphImage(glyph_);
    setIcon(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
    if (!image.isNull()) setIconSize(image.size());
    SkinData.Invalidate();
}

void TsBitBtn::paintEvent(QPaintEvent* event) {
    if (!SkinData.Paint(event)) QPushButton::paintEvent(event);
}
