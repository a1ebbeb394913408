#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/raster/TBitmap.h"

// The working state of a soft text shadow: a 32-bit mask picture of the text rectangle and a
// byte buffer with a one-entry border on every side, in which the mask is blurred.
class TsShadowMask {
public:
    // Text rectangles beyond this many pixels get no shadow: the buffer is one byte a pixel
    // and each blur pass visits every entry.
    static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 22;

    // The mask picture of that size, filled black, for the caller to draw white text on; null
    // when the size is empty or above kMaxPixels.
    TBitmap* Prepare(int width, int height);
    // Zeroes the buffer, then passes times: every entry under a mask pixel with a blue value
    // other than 0 becomes 255, and every interior entry, row by row from the top left, the
    // sum of its four neighbours div 4, in place.
    void Blur(int passes);
    // The buffer entry of mask pixel (x, y); the border lies at -1 and at the width or height.
    std::uint8_t Entry(int x, int y) const;
    // Composes the shadow into the mask picture, a being each pixel's entry. Transparent:
    // the mask picture first takes what lies under it (canvas at (x, y)), then each channel c
    // becomes (c * (255 - a) + shadow * a) div 256. Opaque: (shadow * a + (255 - a) *
    // background) div 256.
    void ComposeOver(TBitmap& canvas, int x, int y, TColor shadow);
    void ComposeOpaque(TColor shadow, TColor background);
    // Copies the mask picture onto the canvas at (x, y).
    void CopyTo(TBitmap& canvas, int x, int y) const;

    int Width() const { return width_; }
    int Height() const { return height_; }
    TBitmap* Picture() const { return picture_.get(); }

private:
    template <typename Mix>
    void Compose(Mix mix);
    std::size_t Index(int x, int y) const;

    std::shared_ptr<TBitmap> picture_;
    std::vector<std::uint8_t> buffer_;
    int width_ = 0;
    int height_ = 0;
};
