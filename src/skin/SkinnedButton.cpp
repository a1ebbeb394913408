#include "skin/SkinnedButton.h"

#include <QPushButton>

#include "platform/raster/PixelView.h"
#include "skin/QtFace.h"
#include "skin/TsCommonData.h"
#include "skin/paint/TsAlphaImageList.h"

namespace skinnedbutton {

int StateOf(const QPushButton& button) {
    if (button.isDown() || button.isChecked()) return 2;
    if (button.underMouse() || button.hasFocus() || button.isDefault()) return 1;
    return 0;
}

int GlyphIndex(const TsGlyphOptions& glyph, const QPushButton& button, int state) {
    int index = -1;
    if (!button.isEnabled())
        index = glyph.DisabledImageIndex;
    else if (state == 2)
        index = glyph.PressedImageIndex;
    else if (button.underMouse())
        index = glyph.HotImageIndex;
    else if (button.hasFocus() || button.isDefault())
        index = glyph.SelectedImageIndex;
    return index >= 0 ? index : glyph.ImageIndex;
}

QImage GlyphImage(const TsGlyphOptions& glyph) {
    const std::shared_ptr<TBitmap> picture =
        glyph.Images != nullptr ? glyph.Images->GetBitmap32(glyph.ImageIndex) : nullptr;
    if (!picture || picture->IsEmpty()) return {};
    // The list keeps blue, green, red, alpha bytes: Qt's premultiplied ARGB32 words.
    QImage image(picture->PixelWidth(), picture->PixelHeight(),
                 QImage::Format_ARGB32_Premultiplied);
    const raster::TPixelView view = raster::ViewOf(*picture->Handle());
    for (int y = 0; y < image.height(); ++y)
        raster::ReadRow(view, static_cast<std::uint32_t>(y), 0,
                        static_cast<std::uint32_t>(image.width()),
                        reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
    return image;
}

void Bind(TsCommonData& skinData, QPushButton& button, const TsGlyphOptions& glyph) {
    skinData.PaintsFace = true;
    skinData.State = [&button] { return StateOf(button); };
    // What the face shows beyond state and size: a change of any of it rebuilds the face.
    skinData.FaceContent = [&button, &glyph] {
        return button.text() + QStringLiteral("\n%1:%2:%3:%4:%5:%6:%7:%8:%9")
                                   .arg(reinterpret_cast<quintptr>(glyph.Images))
                                   .arg(glyph.ImageIndex)
                                   .arg(glyph.Blend)
                                   .arg(glyph.Grayed ? 1 : 0)
                                   .arg(static_cast<int>(glyph.DisabledGlyphKind))
                                   .arg(glyph.HotImageIndex)
                                   .arg(glyph.PressedImageIndex)
                                   .arg(glyph.DisabledImageIndex)
                                   .arg(glyph.SelectedImageIndex);
    };
    skinData.BuildFace = [&skinData, &button, &glyph](int state) {
        TsButtonContent content;
        QString caption = button.text();
        content.Caption = caption.toLocal8Bit().toStdString();
        content.Enabled = button.isEnabled();
        content.Focused = button.hasFocus();
        content.TextFormat = Qt::AlignCenter | Qt::TextShowMnemonic;
        if (glyph.Images != nullptr)
            content.Glyph = glyph.Images->GetBitmap32(GlyphIndex(glyph, button, state));
        content.Blend = glyph.Blend;
        content.Grayed = glyph.Grayed;
        content.DisabledGlyphKind = glyph.DisabledGlyphKind;
        TQtSkinText text(button.font());
        return PaintButtonFace(skinData.Binding(), skinData.ParentBackground(),
                               std::max(1, button.width()), std::max(1, button.height()), state,
                               content, &text);
    };
}

}  // namespace skinnedbutton
