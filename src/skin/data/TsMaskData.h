#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/raster/TBitmap.h"
#include "platform/raster/TRect.h"

// What a picture record holds and how it is drawn.
enum TsMaskKind : std::uint8_t {
    mkBorderMask = 0,
    mkTexture = 1,
    mkGlyph = 2,
    mkAlphaFrame = 3,
    mkAlphaImage = 4
};

// One picture reference of a skin: a rectangle of a picture, its states and nine-slice margins.
struct TsMaskData {
    // The picture; none when the rectangle lies in the master bitmap. Pictures named by several
    // keys are shared.
    std::shared_ptr<TBitmap> Bmp;
    std::string SectionName;
    std::string KeyName;
    TRect SourceRect{};
    std::uint16_t StateCount = 1;
    // 0 picture only, 1 picture row above an equally tall mask row, n: n + 1 equal rows.
    std::uint16_t MaskLayout = 0;
    std::uint16_t UniformMargin = 0;
    std::uint16_t FillMode = 0;
    TsMaskKind Kind = mkBorderMask;
    std::uint16_t MarginLeft = 0;
    std::uint16_t MarginTop = 0;
    std::uint16_t MarginRight = 0;
    std::uint16_t MarginBottom = 0;
    // 1: magenta in a corner of the first cell; 2: the button clips its window to the mask.
    std::uint16_t CornerShape = 0;

    std::int32_t Width() const { return SourceRect.right - SourceRect.left; }
    std::int32_t Height() const { return SourceRect.bottom - SourceRect.top; }
    // One state cell: the width split by the state count, the height by the layout's rows.
    std::int32_t CellWidth() const;
    std::int32_t CellHeight() const;
};
using TsMaskArray = std::vector<TsMaskData>;

// A large JPEG kept as decoded and tiled from there.
struct TsPatternData {
    std::shared_ptr<TBitmap> Img;
    std::string SectionName;
    std::string KeyName;
};
using TsPatternArray = std::vector<TsPatternData>;
