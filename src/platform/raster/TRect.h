#pragma once

#include <utility>

// A rectangle in device pixels: left and top inside, right and bottom just outside. A
// reversed rectangle (right left of left, or bottom above top) is allowed and keeps its
// direction until it is normalised.
struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }

    TRect Normalized() const {
        TRect result = *this;
        if (result.right < result.left) std::swap(result.left, result.right);
        if (result.bottom < result.top) std::swap(result.top, result.bottom);
        return result;
    }

    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect MakeRect(int left, int top, int right, int bottom) {
    return TRect{left, top, right, bottom};
}
