#include "ArtCanvas.h"

#include <algorithm>
#include <cmath>

namespace skingen {

namespace {

double SignedDistance(double px, double py, double left, double top, double right, double bottom,
                      double radius) {
    const double cx = (left + right) / 2, cy = (top + bottom) / 2;
    const double qx = std::abs(px - cx) - ((right - left) / 2 - radius);
    const double qy = std::abs(py - cy) - ((bottom - top) / 2 - radius);
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

std::uint8_t Byte(double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
}

}  // namespace

TArtColor Rgb(int red, int green, int blue, double alpha) {
    return TArtColor{red / 255.0, green / 255.0, blue / 255.0, alpha};
}

TArtCanvas::TArtCanvas(int width, int height, TArtColor fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void TArtCanvas::Paint(int left, int top, int right, int bottom, const TCoverage& coverage,
                       TArtColor color) {
    for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) {
        for (int x = std::max(left, 0); x < std::min(right, width_); ++x) {
            const double a = color.Alpha * std::clamp(coverage(x + 0.5, y + 0.5), 0.0, 1.0);
            if (a <= 0) continue;
            TArtColor& d = At(x, y);
            const double outA = a + d.Alpha * (1 - a);
            const auto mix = [&](double s, double t) {
                return outA > 0 ? (s * a + t * d.Alpha * (1 - a)) / outA : 0;
            };
            d = TArtColor{mix(color.Red, d.Red), mix(color.Green, d.Green), mix(color.Blue, d.Blue),
                          outA};
        }
    }
}

std::vector<std::uint8_t> TArtCanvas::ToRgba() const {
    std::vector<std::uint8_t> out;
    out.reserve(pixels_.size() * 4);
    for (const TArtColor& p : pixels_) {
        const bool clear = Byte(p.Alpha) == 0;
        out.push_back(clear ? 0 : Byte(p.Red));
        out.push_back(clear ? 0 : Byte(p.Green));
        out.push_back(clear ? 0 : Byte(p.Blue));
        out.push_back(Byte(p.Alpha));
    }
    return out;
}

double RoundRectCoverage(double x, double y, double left, double top, double right, double bottom,
                         double radius) {
    return std::clamp(0.5 - SignedDistance(x, y, left, top, right, bottom, radius), 0.0, 1.0);
}

double RoundRectStroke(double x, double y, double left, double top, double right, double bottom,
                       double radius, double width) {
    const double outer = RoundRectCoverage(x, y, left, top, right, bottom, radius);
    const double inner = RoundRectCoverage(x, y, left + width, top + width, right - width,
                                           bottom - width, std::max(radius - width, 0.0));
    return std::max(outer - inner, 0.0);
}

double DistanceOutside(double x, double y, double left, double top, double right, double bottom,
                       double radius) {
    return std::max(SignedDistance(x, y, left, top, right, bottom, radius), 0.0);
}

double LineCoverage(double x, double y, double x0, double y0, double x1, double y1, double width) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double t = std::clamp(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    const double distance = std::hypot(x - (x0 + t * dx), y - (y0 + t * dy));
    return std::clamp(width / 2 + 0.5 - distance, 0.0, 1.0);
}

}  // namespace skingen
