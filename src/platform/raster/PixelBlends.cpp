#include "platform/raster/PixelBlends.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "platform/raster/Color32Pixels.h"
#include "platform/raster/MaskedPixel.h"

namespace {

using raster::ClipToBitmap;
using raster::IsColor32;
using raster::PixelAt;

// An area of one size at the same place in a target and in one or more source areas of
// bitmaps; a source area is its top-left corner and its bitmap.
struct TArea {
    int x = 0;
    int y = 0;
    const TDeviceBitmap* bitmap = nullptr;
};

// Where the drawing starts (offset from the areas' top-left corners) and how large it is once
// every area is cut to its bitmap; the width or height is 0 or less when nothing remains.
struct TClip {
    int offsetX = 0, offsetY = 0, width = 0, height = 0;
};

TClip ClipAreas(std::initializer_list<TArea> areas, int width, int height) {
    TClip c{0, 0, width, height};
    for (const TArea& a : areas) {
        c.offsetX = std::max(c.offsetX, -a.x);
        c.offsetY = std::max(c.offsetY, -a.y);
    }
    c.width -= c.offsetX;
    c.height -= c.offsetY;
    for (const TArea& a : areas) {
        c.width = std::min(c.width, static_cast<int>(a.bitmap->Width()) - (a.x + c.offsetX));
        c.height = std::min(c.height, static_cast<int>(a.bitmap->Height()) - (a.y + c.offsetY));
    }
    return c;
}

std::uint8_t MixChannel(std::uint8_t a, std::uint8_t b, double k) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(k * a + (1 - k) * b), 0L, 255L));
}

}  // namespace

TColor MixColors(TColor a, TColor b, double k) {
    k = std::clamp(k, 0.0, 1.0);
    return MakeColor(MixChannel(ColorRed(a), ColorRed(b), k),
                     MixChannel(ColorGreen(a), ColorGreen(b), k),
                     MixChannel(ColorBlue(a), ColorBlue(b), k)) |
           (a & 0xFF000000u);
}

void BlendRect(TDeviceBitmap& target, const TDeviceBitmap& source, std::uint8_t weight, int targetX,
               int targetY, const TRect& sourceRect) {
    if (!IsColor32(target) || !IsColor32(source)) return;
    const TRect r = sourceRect.Normalized();
    const TClip c =
        ClipAreas({{targetX, targetY, &target}, {r.left, r.top, &source}}, r.Width(), r.Height());
    if (c.width <= 0 || c.height <= 0) return;
    const unsigned w = weight;
    const auto bytes = 4 * static_cast<std::size_t>(c.width);
    for (int y = c.offsetY; y < c.offsetY + c.height; ++y) {
        std::uint8_t* t = PixelAt(target, targetX + c.offsetX, targetY + y);
        const std::uint8_t* from = PixelAt(source, r.left + c.offsetX, r.top + y);
        for (std::size_t i = 0; i < bytes; ++i) {
            t[i] = static_cast<std::uint8_t>((t[i] * w + from[i] * (255 - w) + 127) >> 8);
        }
    }
}

void BlendColorRect(TDeviceBitmap& target, const TRect& rect, int percent, TColor color) {
    if (!IsColor32(target)) return;
    const TRect r = ClipToBitmap(target, rect);
    const unsigned p = static_cast<unsigned>(std::clamp(percent, 0, 100));
    // Memory order blue, green, red: the colour's share of each channel, rounded later.
    const unsigned share[3] = {(100 - p) * ColorBlue(color), (100 - p) * ColorGreen(color),
                               (100 - p) * ColorRed(color)};
    for (int y = r.top; y < r.bottom; ++y) {
        std::uint8_t* pixel = r.left < r.right ? PixelAt(target, r.left, y) : nullptr;
        for (int x = r.left; x < r.right; ++x, pixel += 4) {
            for (int c = 0; c < 3; ++c) {
                pixel[c] = static_cast<std::uint8_t>((p * pixel[c] + share[c] + 50) / 100);
            }
        }
    }
}

void BlendMaskedPiece(TDeviceBitmap& target, int targetX, int targetY, const TDeviceBitmap& source,
                      const TRect& sourceRect, int maskX, int maskY,
                      const TMaskedPieceParent& parent) {
    if (!IsColor32(target) || !IsColor32(source)) return;
    if (parent.picture != nullptr && !IsColor32(*parent.picture)) return;
    const TRect piece = sourceRect.Normalized();
    const TClip c = ClipAreas(
        {{targetX, targetY, &target}, {piece.left, piece.top, &source}, {maskX, maskY, &source}},
        piece.Width(), piece.Height());
    if (c.width <= 0 || c.height <= 0) return;
    for (int y = c.offsetY; y < c.offsetY + c.height; ++y) {
        std::uint8_t* t = PixelAt(target, targetX + c.offsetX, targetY + y);
        const std::uint8_t* p = PixelAt(source, piece.left + c.offsetX, piece.top + y);
        const std::uint8_t* k = PixelAt(source, maskX + c.offsetX, maskY + y);
        for (int x = c.offsetX; x < c.offsetX + c.width; ++x, t += 4, p += 4, k += 4) {
            const std::uint8_t* shown = raster::PieceOrParent(p, parent, targetX + x, targetY + y);
            raster::BlendMaskedPixel(t, shown, k, parent.picture != nullptr);
        }
    }
}

void GrayRect(TDeviceBitmap& target, const TRect& rect) {
    if (!IsColor32(target)) return;
    const TRect r = ClipToBitmap(target, rect);
    for (int y = r.top; y < r.bottom; ++y) {
        std::uint8_t* pixel = r.left < r.right ? PixelAt(target, r.left, y) : nullptr;
        for (int x = r.left; x < r.right; ++x, pixel += 4) {
            const auto grey = static_cast<std::uint8_t>(
                (77u * pixel[2] + 151u * pixel[1] + 28u * pixel[0] + 128) >> 8);
            pixel[0] = pixel[1] = pixel[2] = grey;
        }
    }
}
