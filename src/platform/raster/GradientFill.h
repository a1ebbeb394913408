#pragma once

#include <cstdint>

#include "platform/raster/TDeviceContext.h"

// A corner of a gradient (the platform's TRIVERTEX): a position in device pixels and a colour
// of 16 bits per channel, of which a 32-bit pixel keeps the high byte.
struct TTriVertex {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint16_t Red = 0;
    std::uint16_t Green = 0;
    std::uint16_t Blue = 0;
    std::uint16_t Alpha = 0;
};

// Three indexes into the vertex array (GRADIENT_TRIANGLE).
struct TGradientTriangle {
    std::uint32_t Vertex1 = 0;
    std::uint32_t Vertex2 = 0;
    std::uint32_t Vertex3 = 0;
};

inline constexpr std::uint32_t GRADIENT_FILL_TRIANGLE = 0x00000002;

// Vertices further out than this from the origin are refused: it keeps the interpolation's
// products within 64 bits, and no window or picture comes near it.
inline constexpr std::int32_t kMaxGradientCoordinate = 1 << 16;

// Fills triangles on a 32-bit colour bitmap (device bitmap or 32-bit section), each channel
// interpolated linearly between the three vertex colours in 16 bits: a pixel whose centre has
// the barycentric weights w1, w2, w3 (w1 + w2 + w3 = the triangle's doubled area A) gets
// (w1 c1 + w2 c2 + w3 c3) div A, stored as its high byte; the alpha channel goes to the
// fourth byte. A pixel belongs to a triangle when its centre lies inside, or on a top or a
// left edge, so triangles that share an edge paint each pixel of it once. Pixels outside the
// bitmap are left alone.
// Answers false, drawing nothing, for another mode, an index beyond the vertices, a vertex
// beyond kMaxGradientCoordinate or another bitmap kind.
bool GradientFill(TDeviceContext& dst, const TTriVertex* vertices, std::uint32_t vertexCount,
                  const TGradientTriangle* triangles, std::uint32_t triangleCount, std::uint32_t mode);
