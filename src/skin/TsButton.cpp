#include "skin/TsButton.h"

#include <QIcon>
#include <QPixmap>

TsButton::TsButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent), SkinData(*this, QStringLiteral("BUTTON")) {
    skinnedbutton::Bind(SkinData, *this, glyph_);
}

void TsButton::SetImages(const TsAlphaImageList* images) {
    glyph_.Images = images;
    GlyphChanged();
}

void TsButton::SetImageIndex(int index) {
    glyph_.ImageIndex = index;
    GlyphChanged();
}

void TsButton::SetGlyphOptions(const TsGlyphOptions& options) {
    glyph_ = options;
    GlyphChanged();
}

// The standard look, shown while no skin is active, carries the same image as an icon.
void TsButton::GlyphChanged() {
    const QImage image = skinnedbutton::GlyphImage(glyph_);
    setIcon(image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
    if (!image.isNull()) setIconSize(image.size());
    SkinData.Invalidate();
}

void TsButton::paintEvent(QPaintEvent* event) {
    if (!SkinData.Paint(event)) QPushButton::paintEvent(event);
}
