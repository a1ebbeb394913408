#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace skingen {

// A straight (not premultiplied) colour with alpha, channels 0..1.
struct TArtColor {
    double Red = 0;
    double Green = 0;
    double Blue = 0;
    double Alpha = 1;
};
TArtColor Rgb(int red, int green, int blue, double alpha = 1);

// A drawing surface for the internal skin's artwork. Shapes are given by signed distance
// functions, so every edge is anti-aliased the same way.
class TArtCanvas {
public:
    TArtCanvas(int width, int height, TArtColor fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    TArtColor& At(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    const TArtColor& At(int x, int y) const {
        return pixels_[static_cast<std::size_t>(y) * width_ + x];
    }

    // Paints colour over every pixel of the box by the coverage the shape gives it.
    using TCoverage = std::function<double(double x, double y)>;
    void Paint(int left, int top, int right, int bottom, const TCoverage& coverage,
               TArtColor color);

    // 8-bit straight RGBA, rows from the top.
    std::vector<std::uint8_t> ToRgba() const;

private:
    int width_;
    int height_;
    std::vector<TArtColor> pixels_;
};

// Coverage of a rounded rectangle (edges on pixel boundaries) at a pixel centre.
double RoundRectCoverage(double x, double y, double left, double top, double right, double bottom,
                         double radius);
// Coverage of a line of the given width from (x0, y0) to (x1, y1), round caps.
double LineCoverage(double x, double y, double x0, double y0, double x1, double y1, double width);
// Coverage of the ring between a rounded rectangle and the same one inset by width.
double RoundRectStroke(double x, double y, double left, double top, double right, double bottom,
                       double radius, double width);
// Distance from a pixel centre to the outside of a rounded rectangle (0 inside).
double DistanceOutside(double x, double y, double left, double top, double right, double bottom,
                       double radius);

}  // namespace skingen
