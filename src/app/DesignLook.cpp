#include "app/DesignLook.h"

#include <QBuffer>
#include <QFont>
#include <QPalette>
#include <QWidget>

#include "core/TMemoryStream.h"
#include "png/TPNGObject.h"

void SubstituteDesignFonts() {
    const QStringList narrow = {QStringLiteral("DejaVu Sans Condensed"),
                                QStringLiteral("Liberation Sans Narrow"),
                                QStringLiteral("DejaVu Sans")};
    for (const QString& family : {QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma")})
        QFont::insertSubstitutions(family, narrow);
    QFont::insertSubstitutions(QStringLiteral("Segoe UI"), {QStringLiteral("DejaVu Sans")});
}

void UseGreyText(QWidget* control) {
    QPalette palette = control->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, kGreyText);
    control->setPalette(palette);
}

std::unique_ptr<TGraphic> StoredPicture(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    TMemoryStream stream(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    auto picture = std::make_unique<TPNGObject>();
    picture->ReadFromStream(stream);
    return picture;
}
