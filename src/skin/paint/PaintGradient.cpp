#include "skin/paint/PaintGradient.h"

#include <algorithm>
#include <cmath>

#include "platform/raster/GradientFill.h"
#include "platform/raster/RasterBlit.h"
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

void PaintVertical(TBitmap& target, const TRect& r, const TsGradArray& gradient) {
    const int height = r.Height();
    int start = r.top;
    for (std::size_t i = 0; i < gradient.size() && start < r.bottom; ++i) {
        const bool last = i + 1 == gradient.size();
        const int end = last ? r.bottom : std::min(r.bottom, start + height * gradient[i][2] / 100);
        const int rows = end - start;
        for (int row = 0; row < rows; ++row)
            skinpaint::FillArea(
                target, TRect{r.left, start + row, r.right, start + row + 1},
                BandColor(StepColor(gradient[i], 0), StepColor(gradient[i], 1), row, rows));
        start = end;
    }
}

void PaintHorizontal(TBitmap& target, const TRect& r, const TsGradArray& gradient) {
    const int width = r.Width();
    int start = r.left;
    for (std::size_t i = 0; i < gradient.size() && start < r.right; ++i) {
        const bool last = i + 1 == gradient.size();
        const int share = static_cast<int>(std::lround(width * gradient[i][2] / 100.0));
        const int end = last ? r.right : std::min(r.right, start + share);
        const int columns = end - start;
        for (int column = 0; column < columns; ++column)
            skinpaint::FillArea(
                target, TRect{start + column, r.top, start + column + 1, r.top + 1},
                BandColor(StepColor(gradient[i], 0), StepColor(gradient[i], 1), column, columns));
        start = end;
    }
    // One row is computed; the others are copies of it.
    TDeviceContext& dc = target.Canvas().Handle();
    for (int filled = 1; filled < r.Height();) {
        const int rows = std::min(filled, r.Height() - filled);
        BitBlt(dc, r.left, r.top + filled, width, rows, dc, r.left, r.top, SRCCOPY);
        filled += rows;
    }
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
