#include "app/Artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QImage Canvas(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// Drawn on a 24-unit grid, the grid of the command buttons' icons (src/app/icons were drawn
// from these at 24 pixels); the menu icons are the drawings scaled to 16 pixels.
void DrawQrMark(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 30));
    for (QPoint corner : {QPoint(2, 2), QPoint(14, 2), QPoint(2, 14)}) {
        p.drawRect(QRect(corner, QSize(8, 8)));
        p.setBrush(Qt::white);
        p.drawRect(QRect(corner + QPoint(1, 1), QSize(6, 6)));
        p.setBrush(QColor(30, 30, 30));
        p.drawRect(QRect(corner + QPoint(2, 2), QSize(4, 4)));
    }
    p.setBrush(QColor(0, 120, 215));
    for (QPoint cell : {QPoint(15, 15), QPoint(19, 15), QPoint(17, 17), QPoint(15, 19),
                        QPoint(19, 19), QPoint(13, 11)})
        p.drawRect(QRect(cell, QSize(3, 3)));
}

void DrawFloppy(QPainter& p) {
    p.setPen(QPen(QColor(20, 60, 120), 1));
    p.setBrush(QColor(40, 100, 190));
    p.drawRoundedRect(QRectF(2.5, 2.5, 19, 19), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 12.5, 11, 8));
    p.setBrush(QColor(200, 210, 225));
    p.drawRect(QRectF(7.5, 3.5, 9, 6));
    p.setBrush(QColor(20, 60, 120));
    p.drawRect(QRectF(13.5, 4.5, 2, 4));
}

void DrawLink(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 140, 60), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawRoundedRect(QRectF(2.5, 8.5, 11, 7), 3.5, 3.5);
    p.setPen(QPen(QColor(20, 100, 180), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawRoundedRect(QRectF(10.5, 8.5, 11, 7), 3.5, 3.5);
}

void DrawPlay(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 32, 31));
    p.drawRoundedRect(QRectF(1, 4, 22, 16), 4, 4);
    QPainterPath triangle;
    triangle.moveTo(9.5, 8);
    triangle.lineTo(16.5, 12);
    triangle.lineTo(9.5, 16);
    triangle.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(triangle);
}

void DrawExit(QPainter& p) {
    p.setPen(QPen(QColor(90, 90, 90), 2));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(3, 3, 11, 18));
    p.setPen(QPen(QColor(200, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 12), QPointF(21, 12));
    p.drawLine(QPointF(17, 8), QPointF(21, 12));
    p.drawLine(QPointF(17, 16), QPointF(21, 12));
}

void DrawGlobe(QPainter& p, QColor colour) {
    p.setPen(QPen(colour, 2));
    p.setBrush(colour.lighter(170));
    p.drawEllipse(QRectF(3, 3, 18, 18));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(8, 3, 8, 18));
    p.drawLine(QPointF(3, 12), QPointF(21, 12));
}

void DrawEraser(QPainter& p) {
    p.setPen(QPen(QColor(120, 60, 60), 1.5));
    p.setBrush(QColor(240, 130, 140));
    QPolygonF body({QPointF(4, 15), QPointF(13, 6), QPointF(20, 13), QPointF(11, 22)});
    p.drawPolygon(body);
    p.setBrush(QColor(230, 230, 240));
    p.drawPolygon(QPolygonF({QPointF(4, 15), QPointF(8, 11), QPointF(15, 18), QPointF(11, 22)}));
}

void DrawEnvelope(QPainter& p) {
    p.setPen(QPen(QColor(150, 110, 30), 1.5));
    p.setBrush(QColor(250, 225, 150));
    p.drawRect(QRectF(2, 6, 20, 13));
    p.drawPolyline(QPolygonF({QPointF(2, 6), QPointF(12, 14), QPointF(22, 6)}));
}

void DrawCoin(QPainter& p) {
    p.setPen(QPen(QColor(160, 120, 0), 1.5));
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QRectF(3, 3, 18, 18));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(130, 90, 0));
    p.drawText(QRectF(3, 3, 18, 18), Qt::AlignCenter, QStringLiteral("$"));
}

void DrawInfo(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 100, 200));
    p.drawEllipse(QRectF(2, 2, 20, 20));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(10.5, 5.5, 3, 3));
    p.drawRect(QRectF(10.5, 10, 3, 8.5));
}

template <typename Draw>
QImage Draw24(int size, Draw draw) {
    QImage image = Canvas(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 24.0, size / 24.0);
    draw(painter);
    return image;
}

QImage LetterBadge(QColor background, const QString& letters) {
    QImage image = Canvas(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(background);
    p.drawRoundedRect(QRectF(0, 0, 16, 16), 3, 3);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(letters.size() > 1 ? 8 : 12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, letters);
    return image;
}

}  // namespace

namespace Artwork {

QImage MenuIconImage(MenuIcon icon) {
    switch (icon) {
        case MenuIcon::Generate:
            return Draw24(16, DrawQrMark);
        case MenuIcon::Save:
            return Draw24(16, DrawFloppy);
        case MenuIcon::Exit:
            return Draw24(16, DrawExit);
        case MenuIcon::CheckConnection:
            return Draw24(16, [](QPainter& p) { DrawGlobe(p, QColor(30, 140, 60)); });
        case MenuIcon::ShortenUrl:
            return Draw24(16, DrawLink);
        case MenuIcon::ClearText:
            return Draw24(16, DrawEraser);
        case MenuIcon::Website:
            return Draw24(16, [](QPainter& p) { DrawGlobe(p, QColor(20, 100, 180)); });
        case MenuIcon::VideoTutorial:
            return Draw24(16, DrawPlay);
        case MenuIcon::Feedback:
            return Draw24(16, DrawEnvelope);
        case MenuIcon::Donate:
            return Draw24(16, DrawCoin);
        case MenuIcon::About:
            return Draw24(16, DrawInfo);
    }
    return Canvas(16, 16);
}

QImage SocialImage(Social network) {
    switch (network) {
        case Social::Facebook:
            return LetterBadge(QColor(59, 89, 152), QStringLiteral("f"));
        case Social::Twitter:
            return LetterBadge(QColor(29, 161, 242), QStringLiteral("t"));
        case Social::GooglePlus:
            return LetterBadge(QColor(219, 68, 55), QStringLiteral("g+"));
    }
    return Canvas(16, 16);
}

// The status bar shows only the top of this picture, so the badge sits there; the strip
// below repeats it in the pressed colours.
QImage DonationImage() {
    QImage image = Canvas(42, 105);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(9);
    font.setBold(true);
    p.setFont(font);
    const QColor faces[] = {QColor(255, 196, 57), QColor(240, 170, 30)};
    // The status bar shows the picture's top 19 rows; the second badge lies below them, so
    // no sliver of it peeks out under the first.
    for (int row = 0; row < 2; ++row) {
        const QRectF badge(0.5, 0.5 + row * 20, 41, 15);
        p.setPen(QPen(QColor(150, 100, 0), 1));
        p.setBrush(faces[row]);
        p.drawRoundedRect(badge, 7, 7);
        p.setPen(QColor(20, 50, 110));
        p.drawText(badge, Qt::AlignCenter, QStringLiteral("Donate"));
    }
    return image;
}

// The desktop icon's drawing (packaging/vexmora.svg, a 48-unit grid) at the logo's size.
QImage AppLogoImage() {
    constexpr int kSize = 100;
    constexpr qreal kGrid = 48;
    QImage image = Canvas(kSize, kSize);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kSize / kGrid, kSize / kGrid);
    p.setPen(Qt::NoPen);
    const QColor dark(0x1a, 0x1a, 0x1a);
    p.setBrush(dark);
    p.drawRoundedRect(QRectF(0, 0, kGrid, kGrid), 6, 6);
    const QPointF finders[] = {{6, 6}, {28, 6}, {6, 28}};
    for (const QPointF& corner : finders) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(corner, QSizeF(14, 14)));
        p.setBrush(dark);
        p.drawRect(QRectF(corner + QPointF(3, 3), QSizeF(8, 8)));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(corner + QPointF(5, 5), QSizeF(4, 4)));
    }
    const QRectF modules[] = {
        {28, 28, 5, 5}, {37, 28, 5, 5}, {33, 33, 4, 4}, {28, 37, 5, 5}, {37, 37, 5, 5}};
    for (const QRectF& module : modules) p.drawRect(module);
    return image;
}

QIcon Icon(const QImage& image) {
    return QIcon(QPixmap::fromImage(image));
}

}  // namespace Artwork
