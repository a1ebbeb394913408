#pragma once

#include <QFont>
#include <QImage>

#include "skin/paint/FaceDetails.h"

// Where faces meet Qt: the face as an image to blit, and text drawn with Qt's fonts.
QImage FaceImage(TBitmap& face);
// A picture with premultiplied alpha in its fourth byte (a glow), as Qt blends it.
QImage AlphaFaceImage(TBitmap& face);
QColor ToQColor(TColor colour);
TColor FromQColor(const QColor& colour);

// Draws captions onto faces with a Qt font.
class TQtSkinText : public ISkinTextRenderer {
public:
    explicit TQtSkinText(QFont font) : font_(std::move(font)) {}

    void DrawText(TBitmap& face, const std::string& text, const TRect& rect, TColor colour, int dx,
                  int dy, std::uint32_t format, bool underline) override;
    int TextWidth(const std::string& text) override;
    void DrawGlow(TBitmap& face, const std::string& text, const TRect& rect, TColor colour,
                  int size, std::uint32_t format) override;

private:
    QFont font_;
};
