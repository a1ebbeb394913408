#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "skin/data/TsMaskData.h"

// A picture reference as written in the skin file, before its picture is known.
struct TPictureReference {
    TsMaskKind Kind = mkBorderMask;
    char Format = '^';     // '^', '@', '~', '!' or '#'
    std::string FileName;  // "!" only; the others address the master bitmap
    TRect Rect{};          // "!" covers its whole picture
    std::int32_t StateCount = 1;
    std::int32_t MaskLayout = 0;
    std::int32_t FillMode = 0;
    std::int32_t UniformMargin = 0;
    std::int32_t Margins[4] = {0, 0, 0, 0};  // left, top, right, bottom
    bool HasMargins = false;
};

// Recognises the four fixed formats ("^" border mask, "@" glyph, "~" texture, "!" external
// picture) and the bracketed form "#(left, top, right, bottom[, states[, layout[, fill
// mode]]])" of a border mask in the master bitmap. Nothing for any other value or for a
// reference whose fields are not numbers.
std::optional<TPictureReference> ParsePictureReference(std::string_view value);

// The record a reference makes on a picture of the given size, its margins defaulted. Nothing
// when the rectangle leaves the picture or is empty, the state count is 0 or a cell has no
// height: such a record could only make painting read outside its picture or divide by zero.
std::optional<TsMaskData> MakeMaskRecord(const TPictureReference& reference,
                                         std::int32_t pictureWidth, std::int32_t pictureHeight,
                                         double version);
