#pragma once

#include <cstddef>

// The service's limits, kept together. They follow the public chart service it stands in
// for, whose pictures are meant for web pages, not posters.
namespace ChartLimits {

// Longest request target (path and query) accepted; longer ones get 414.
constexpr std::size_t kMaxTargetLength = 2048;
// Each side of the picture lies in 1..kMaxSide pixels.
constexpr int kMaxSide = 1000;
// Width times height must not exceed this many pixels.
constexpr long kMaxArea = 300000;
// Quiet zone in modules when chld names none; four is what the QR standard asks for.
constexpr int kDefaultMargin = 4;
// A wider quiet zone only wastes pixels; it also keeps the grown picture bounded.
constexpr int kMaxMargin = 100;

}  // namespace ChartLimits
