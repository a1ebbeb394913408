#include "skin/paint/PaintGradient.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/raster/GradientFill.h"
#include "platform/raster/PixelView.h"
#include "platform/raster/RowFill.h"
#include "skin/paint/FacePictures.h"

namespace skinpaint {

TColor BandColor(TColor colour1, TColor colour2, int index, int count) {
    // The band reaches colour 2 on its last row, so the steps are one fewer than the rows.
    const double steps = count > 1 ? count - 1 : 1;
    const auto channel = [&](int shift) {
        const double from = (colour1 >> shift) & 0xFF, to = (colour2 >> shift) & 0xFF;
        return static_cast<TColor>(std::lround(from + index * (to - from) / steps)) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

}  // namespace skinpaint

namespace {

using skinpaint::BandColor;

TColor StepColor(const TsGradStep& step, int which) {
    return static_cast<TColor>(step[static_cast<std::size_t>(which)]) & 0xFFFFFF;
}

// One colour word per row (vertical) or per column (horizontal) of the area, band by band.
std::vector<std::uint32_t> BandWords(const TsGradArray& gradient, int size, bool roundShares) {
    std::vector<std::uint32_t> words(static_cast<std::size_t>(size));
    int start = 0;
    for (std::size_t i = 0; i < gradient.size() && start < size; ++i) {
        const bool last = i + 1 == gradient.size();
        const int share = roundShares ? static_cast<int>(std::lround(size * gradient[i][2] / 100.0))
                                      : size * gradient[i][2] / 100;
        // A step's share is never negative (the skin file's percents are 0 to 100).
        const int end = last ? size : std::clamp(start + share, start, size);
        const int count = end - start;
        for (int k = 0; k < count; ++k)
            words[static_cast<std::size_t>(start + k)] = raster::ColorWord(
                BandColor(StepColor(gradient[i], 0), StepColor(gradient[i], 1), k, count));
        start = end;
    }
    return words;
}

void PaintVertical(TBitmap& target, const TRect& r, const TsGradArray& gradient) {
    const std::vector<std::uint32_t> words = BandWords(gradient, r.Height(), false);
    if (FillRowWords(*target.Handle(), r, words.data())) return;
    for (int y = r.top; y < r.bottom; ++y)
        skinpaint::FillArea(target, TRect{r.left, y, r.right, y + 1},
                            raster::WordColor(words[static_cast<std::size_t>(y - r.top)]));
}

// One row is computed; the others are copies of it.
void PaintHorizontal(TBitmap& target, const TRect& r, const TsGradArray& gradient) {
    const std::vector<std::uint32_t> words = BandWords(gradient, r.Width(), true);
    if (FillColumnWords(*target.Handle(), r, words.data())) return;
    for (int x = r.left; x < r.right; ++x)
        skinpaint::FillArea(target, TRect{x, r.top, x + 1, r.bottom},
                            raster::WordColor(words[static_cast<std::size_t>(x - r.left)]));
}

TTriVertex Vertex(int x, int y, TColor colour) {
    return TTriVertex{x,
                      y,
                      static_cast<std::uint16_t>(ColorRed(colour) << 8),
                      static_cast<std::uint16_t>(ColorGreen(colour) << 8),
                      static_cast<std::uint16_t>(ColorBlue(colour) << 8),
                      0xFF00};
}

void PaintTriangles(TBitmap& target, const TRect& r, const TsGradArray& gradient) {
    TColor colours[5];
    for (std::size_t i = 0; i < 5; ++i)
        colours[i] = i < gradient.size() ? StepColor(gradient[i], 0) : colours[i - 1];
    const TTriVertex vertices[5] = {
        Vertex(r.left, r.top, colours[0]),
        Vertex((r.left + r.right) / 2, (r.top + r.bottom) / 2, colours[1]),
        Vertex(r.right, r.top, colours[2]), Vertex(r.right, r.bottom, colours[3]),
        Vertex(r.left, r.bottom, colours[4])};
    const TGradientTriangle triangles[4] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
    GradientFill(target.Canvas().Handle(), vertices, 5, triangles, 4, GRADIENT_FILL_TRIANGLE);
}

}  // namespace

void PaintGradient(TBitmap& target, const TRect& rect, const TsGradArray& gradient) {
    if (target.IsEmpty() || gradient.empty()) return;
    TRect r = rect.Normalized();
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, target.PixelWidth());
    r.bottom = std::min(r.bottom, target.PixelHeight());
    if (r.Width() <= 0 || r.Height() <= 0) return;
    switch (gradient.front()[3]) {
        case gmVertical:
            PaintVertical(target, r, gradient);
            break;
        case gmHorizontal:
            PaintHorizontal(target, r, gradient);
            break;
        case gmTriangles:
            PaintTriangles(target, r, gradient);
            break;
        default:
            break;
    }
}
