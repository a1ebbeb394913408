#pragma once

#include <QPushButton>

#include "skin/SkinnedButton.h"
#include "skin/TsCommonData.h"
#include "skin/TsControlGlow.h"

// What the skinned push buttons share: the skin binding of the BUTTON section and an image
// of an image list beside the caption, with optional images for the hot, pressed, disabled
// and selected states.
class TsGlyphButton : public QPushButton {
public:
    explicit TsGlyphButton(const QString& caption, QWidget* parent = nullptr);

    const TsAlphaImageList* Images() const { return glyph_.Images; }
    void SetImages(const TsAlphaImageList* images);
    int ImageIndex() const { return glyph_.ImageIndex; }
    // -1 shows no image; the caption then takes the whole face.
    void SetImageIndex(int index);
    // The state images and the glyph looks (Blend, Grayed, DisabledGlyphKind); the face
    // follows at once.
    void SetGlyphOptions(const TsGlyphOptions& options);
    const TsGlyphOptions& GlyphOptions() const { return glyph_; }

    TsCommonData SkinData;
    // The section's glow while the mouse is over the button.
    TsControlGlow Glow{*this, SkinData};

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void GlyphChanged();

    TsGlyphOptions glyph_;
};
