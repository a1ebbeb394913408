#pragma once

#include <memory>
#include <vector>

#include "PngTestSupport.h"
#include "platform/raster/TBitmap.h"

namespace drawtest {

// A 32-bit screen-format canvas of one colour.
inline std::unique_ptr<TBitmap> MakeCanvas(int width, int height, TColor fill) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    bitmap->Canvas().SetBrushColor(fill);
    bitmap->Canvas().FillRect(TRect{0, 0, width, height});
    return bitmap;
}

inline std::vector<std::vector<TColor>> Pixels(TBitmap& bitmap) {
    std::vector<std::vector<TColor>> rows(
        static_cast<std::size_t>(bitmap.Height()),
        std::vector<TColor>(static_cast<std::size_t>(bitmap.Width())));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            rows[y][x] = bitmap.Canvas().Pixel(static_cast<int>(x), static_cast<int>(y));
    }
    return rows;
}

inline pngtest::Bytes Concat(std::initializer_list<pngtest::Bytes> parts) {
    pngtest::Bytes out;
    for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

inline constexpr TColor kRed = MakeColor(255, 0, 0);
inline constexpr TColor kGreen = MakeColor(0, 255, 0);
inline constexpr TColor kBlue = MakeColor(0, 0, 255);
inline constexpr TColor kBlack = MakeColor(0, 0, 0);
inline constexpr TColor kWhite = MakeColor(255, 255, 255);

}  // namespace drawtest
