#include "skin/QtFace.h"

#include <QFontMetrics>
#include <QPainter>

#include "platform/raster/ExportRows.h"
#include "platform/raster/PixelView.h"
#include "skin/paint/TextFormat.h"

QImage FaceImage(TBitmap& face) {
    if (face.IsEmpty()) return {};
    QImage image(face.PixelWidth(), face.PixelHeight(), QImage::Format_RGB32);
    if (image.isNull()) return {};
    // Qt's RGB32 wants an opaque fourth byte; faces keep whatever their blits left there.
    raster::ExportRows(raster::ViewOf(*face.Handle()), image.bits(),
                       static_cast<std::size_t>(image.bytesPerLine()), raster::TFourthByte::Opaque);
    return image;
}

QImage AlphaFaceImage(TBitmap& face) {
    if (face.IsEmpty()) return {};
    QImage image(face.PixelWidth(), face.PixelHeight(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return {};
    raster::ExportRows(raster::ViewOf(*face.Handle()), image.bits(),
                       static_cast<std::size_t>(image.bytesPerLine()), raster::TFourthByte::Keep);
    return image;
}

QColor ToQColor(TColor colour) {
    return QColor(ColorRed(colour), ColorGreen(colour), ColorBlue(colour));
}

TColor FromQColor(const QColor& colour) {
    return MakeColor(static_cast<std::uint8_t>(colour.red()),
                     static_cast<std::uint8_t>(colour.green()),
                     static_cast<std::uint8_t>(colour.blue()));
}

namespace {

void WriteBack(const QImage& image, TBitmap& face) {
    const raster::TPixelView view = raster::ViewOf(*face.Handle());
    for (int y = 0; y < image.height(); ++y)
        raster::WriteRow(view, static_cast<std::uint32_t>(y), 0,
                         static_cast<std::uint32_t>(image.width()),
                         reinterpret_cast<const std::uint32_t*>(image.constScanLine(y)));
}

}  // namespace

void TQtSkinText::DrawText(TBitmap& face, const std::string& text, const TRect& rect, TColor colour,
                           int dx, int dy, std::uint32_t format, bool underline) {
    QImage image = FaceImage(face);
    if (image.isNull()) return;
    {
        QPainter painter(&image);
        QFont font = font_;
        font.setUnderline(underline);
        painter.setFont(font);
        painter.setPen(ToQColor(colour));
        const QRect area(rect.left, rect.top, rect.Width(), rect.Height());
        painter.setClipRect(area);
        const int flags = format != 0 ? static_cast<int>(format & ~kTextEndEllipsis)
                                      : int(Qt::AlignCenter | Qt::TextShowMnemonic);
        QString shown = QString::fromLocal8Bit(text.c_str());
        if ((format & kTextEndEllipsis) != 0)
            shown = painter.fontMetrics().elidedText(shown, Qt::ElideRight, area.width(),
                                                     flags & Qt::TextShowMnemonic);
        painter.drawText(area.translated(dx, dy), flags, shown);
    }
    WriteBack(image, face);
}

int TQtSkinText::TextWidth(const std::string& text) {
    // Mnemonic ampersands take no room.
    QString shown = QString::fromLocal8Bit(text.c_str());
    shown.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return QFontMetrics(font_).horizontalAdvance(shown) + 2;
}

void TQtSkinText::DrawGlow(TBitmap& face, const std::string& text, const TRect& rect, TColor colour,
                           int size, std::uint32_t format) {
    // A soft glow: the text repeated around its place, faintly.
    for (int d = 1; d <= std::min(size, 2); ++d)
        for (auto [dx, dy] : {std::pair{-d, 0}, {d, 0}, {0, -d}, {0, d}})
            DrawText(face, text, rect, colour, dx, dy, format, false);
}
