#include "platform/raster/GradientFill.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// Positions in half pixels, so that pixel centres are whole numbers too.
struct TPoint2 {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// Twice the signed area of (a, b, p): positive when p lies on the inner side of a -> b.
std::int64_t Edge(const TPoint2& a, const TPoint2& b, const TPoint2& p) {
    return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

// The top-left rule: a centre exactly on an edge belongs to the triangle only when the edge
// is a top edge (horizontal, the inside below it) or a left edge (the inside to its right).
bool OwnsEdge(const TPoint2& a, const TPoint2& b) { return (a.y == b.y && b.x > a.x) || b.y < a.y; }

bool Inside(std::int64_t weight, bool ownsEdge) { return weight > 0 || (weight == 0 && ownsEdge); }

std::array<std::uint16_t, 4> Channels(const TTriVertex& v) { return {v.Blue, v.Green, v.Red, v.Alpha}; }

void FillTriangle(TDeviceBitmap& bitmap, const TTriVertex& v1, const TTriVertex& v2, const TTriVertex& v3) {
    std::array<const TTriVertex*, 3> v{&v1, &v2, &v3};
    std::array<TPoint2, 3> p;
    for (std::size_t i = 0; i < 3; ++i) p[i] = TPoint2{2 * std::int64_t{v[i]->x}, 2 * std::int64_t{v[i]->y}};
    std::int64_t area = Edge(p[0], p[1], p[2]);
    if (area == 0) return;
    if (area < 0) {
        std::swap(p[1], p[2]);
        std::swap(v[1], v[2]);
        area = -area;
    }
    const bool owns[3] = {OwnsEdge(p[1], p[2]), OwnsEdge(p[2], p[0]), OwnsEdge(p[0], p[1])};
    const std::array<std::array<std::uint16_t, 4>, 3> colour{Channels(*v[0]), Channels(*v[1]), Channels(*v[2])};

    const auto [minX, maxX] = std::minmax({v1.x, v2.x, v3.x});
    const auto [minY, maxY] = std::minmax({v1.y, v2.y, v3.y});
    const int x0 = std::max(minX, 0);
    const int x1 = std::min<std::int64_t>(maxX, bitmap.Width());
    const int y0 = std::max(minY, 0);
    const int y1 = std::min<std::int64_t>(maxY, bitmap.Height());
    for (int y = y0; y < y1; ++y) {
        std::uint8_t* pixel = bitmap.Pixels().RowAddress(static_cast<std::uint32_t>(y)) + 4 * std::size_t(x0);
        for (int x = x0; x < x1; ++x, pixel += 4) {
            const TPoint2 centre{2 * std::int64_t{x} + 1, 2 * std::int64_t{y} + 1};
            const std::int64_t w[3] = {Edge(p[1], p[2], centre), Edge(p[2], p[0], centre), Edge(p[0], p[1], centre)};
            if (!Inside(w[0], owns[0]) || !Inside(w[1], owns[1]) || !Inside(w[2], owns[2])) continue;
            for (std::size_t c = 0; c < 4; ++c) {
                const std::int64_t sum = w[0] * colour[0][c] + w[1] * colour[1][c] + w[2] * colour[2][c];
                pixel[c] = static_cast<std::uint8_t>((sum / area) >> 8);
            }
        }
    }
}

bool WithinLimits(const TTriVertex& v) {
    return std::abs(v.x) <= kMaxGradientCoordinate && std::abs(v.y) <= kMaxGradientCoordinate;
}

}  // namespace

bool GradientFill(TDeviceContext& dst, const TTriVertex* vertices, std::uint32_t vertexCount,
                  const TGradientTriangle* triangles, std::uint32_t triangleCount, std::uint32_t mode) {
    TDeviceBitmap& bitmap = dst.Bitmap();
    if (mode != GRADIENT_FILL_TRIANGLE || bitmap.BitCount() != 32 || bitmap.IsIndexed() || bitmap.IsMonochrome())
        return false;
    if ((vertexCount > 0 && vertices == nullptr) || (triangleCount > 0 && triangles == nullptr)) return false;
    for (std::uint32_t i = 0; i < vertexCount; ++i) {
        if (!WithinLimits(vertices[i])) return false;
    }
    for (std::uint32_t i = 0; i < triangleCount; ++i) {
        const TGradientTriangle& t = triangles[i];
        if (t.Vertex1 >= vertexCount || t.Vertex2 >= vertexCount || t.Vertex3 >= vertexCount) return false;
    }
    for (std::uint32_t i = 0; i < triangleCount; ++i) {
        const TGradientTriangle& t = triangles[i];
        FillTriangle(bitmap, vertices[t.Vertex1], vertices[t.Vertex2], vertices[t.Vertex3]);
    }
    return true;
}
