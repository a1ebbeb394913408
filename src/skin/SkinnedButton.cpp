#include "skin/SkinnedButton.h"

#include <QPushButton>

#include "skin/QtFace.h"
#include "skin/TsCommonData.h"
#include "skin/data/SkinPictureDecoding.h"
#include "skin/paint/ButtonFace.h"

namespace skinnedbutton {

int StateOf(const QPushButton& button) {
    if (button.isDown() || button.isChecked()) return 2;
    if (button.underMouse() || button.hasFocus() || button.isDefault()) return 1;
    return 0;
}

std::shared_ptr<TBitmap> GlyphPicture(const QIcon& icon, QSize size) {
    if (icon.isNull() || size.isEmpty()) return nullptr;
    const QImage image =
        icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    std::vector<std::uint32_t> words;
    words.reserve(static_cast<std::size_t>(image.width()) *
                  static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        words.insert(words.end(), row, row + image.width());
    }
    return skin::BitmapFromWords(static_cast<std::uint32_t>(image.width()),
                                 static_cast<std::uint32_t>(image.height()), pf32bit, words);
}

void Bind(TsCommonData& skinData, QPushButton& button) {
    skinData.PaintsFace = true;
    skinData.State = [&button] { return StateOf(button); };
    skinData.FaceContent = [&button] {
        return button.text() + QLatin1Char('\n') + QString::number(button.icon().cacheKey()) +
               QLatin1Char('x') + QString::number(button.iconSize().width());
    };
    skinData.BuildFace = [&skinData, &button](int state) {
        TsButtonContent content;
        QString caption = button.text();
        content.Caption = caption.toLocal8Bit().toStdString();
        content.Enabled = button.isEnabled();
        content.Focused = button.hasFocus();
        content.TextFormat = Qt::AlignCenter | Qt::TextShowMnemonic;
        content.Glyph = GlyphPicture(button.icon(), button.iconSize());
        TQtSkinText text(button.font());
        return PaintButtonFace(skinData.Binding(), skinData.ParentBackground(),
                               std::max(1, button.width()), std::max(1, button.height()), state,
                               content, &text);
    };
}

}  // namespace skinnedbutton
