#pragma once

#include <QPushButton>

#include "skin/SkinnedButton.h"
#include "skin/TsCommonData.h"

// A push button showing an image of an image list beside its caption.
class TsBitBtn : public QPushButton {
public:
    explicit TsBitBtn(const QString& caption, QWidget* parent = nullptr);

    const TsAlphaImageList* Images() const { return glyph_.Images; }
    void SetImages(const TsAlphaImageList* images);
    int ImageIndex() const { return glyph_.ImageIndex; }
    // -1 shows no image; the caption then takes the whole face.
    void SetImageIndex(int index);
    // Blend, Grayed and DisabledGlyphKind; the face follows at once.
    void SetGlyphOptions(const TsGlyphOptions& options);
    const TsGlyphOptions& GlyphOptions() const { return glyph_; }

    TsCommonData SkinData;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void GlyphChanged();

    TsGlyphOptions glyph_;
};
