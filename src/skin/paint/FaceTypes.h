#pragma once

#include <cstdint>
#include <memory>

#include "platform/raster/RasterTypes.h"
#include "platform/raster/TBitmap.h"
#include "platform/raster/TRect.h"

class TsSkinContent;

// The key colour of the skin engine: transparent in pictures, "no colour" in colour fields.
inline constexpr TColor kKeyColor = 0xFF00FF;

// What a parent tells a child about what lies behind it. The offsets say where the child's
// top-left corner lies inside the parent's picture, so they already hold the child's position.
struct BackgroundInfo {
    enum Kind : std::uint8_t { NoAnswer = 0, PlainColor = 1, Picture = 2 };
    std::shared_ptr<TBitmap> Bmp;
    TColor Color = kKeyColor;
    int OffsetX = 0;
    int OffsetY = 0;
    TRect Rect{};
    Kind BgType = NoAnswer;
    std::uint8_t PleaseDraw = 0;
};

// The working form of a BackgroundInfo while a face is painted: the parent pixel behind face
// pixel (x, y) is (x + X, y + Y) of Bmp.
struct CacheInfo {
    std::shared_ptr<TBitmap> Bmp;
    int X = 0;
    int Y = 0;
    TColor FillColor = kKeyColor;
    bool Ready = false;
};

CacheInfo ToCacheInfo(const BackgroundInfo& info);

// What the painter needs of a control's binding to the skin.
struct TsFaceBinding {
    TsSkinContent* Skin = nullptr;
    int SectionIndex = -1;
    // The control paints in its own Color: no gradient, texture or transparency.
    bool CustomColor = false;
    TColor OwnColor = 0xFFFFFF;
    // The control's own texture pictures; -1 takes the section's PATTERN and HOTPATTERN.
    int TextureIndex = -1;
    int HotTextureIndex = -1;
};
