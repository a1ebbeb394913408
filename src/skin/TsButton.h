#pragma once

#include <QPushButton>

#include "skin/SkinnedButton.h"
#include "skin/TsCommonData.h"

// A push button; it may carry an image of an image list beside its caption, with images of
// its own for the hot, pressed, disabled and selected states.
class TsButton : public QPushButton {
public:
    explicit TsButton(const QString& caption, QWidget* parent = nullptr);

    const TsAlphaImageList* Images() const { return glyph_.Images; }
    void SetImages(const TsAlphaImageList* images);
    int ImageIndex() const { return glyph_.ImageIndex; }
    void SetImageIndex(int index);
    // The state images and the glyph looks; the face follows at once.
    void SetGlyphOptions(const TsGlyphOptions& options);
    const TsGlyphOptions& GlyphOptions() const { return glyph_; }

    TsCommonData SkinData;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void GlyphChanged();

    TsGlyphOptions glyph_;
};
