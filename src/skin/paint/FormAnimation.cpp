#include "skin/paint/FormAnimation.h"

#include <algorithm>
#include <cmath>

namespace {

TRect Inset(int width, int height, double fraction) {
    const int dx = static_cast<int>(std::lround(width * fraction));
    const int dy = static_cast<int>(std::lround(height * fraction));
    return {dx, dy, width - dx, height - dy};
}

}  // namespace

int AnimationSteps(int time) {
    return time > 0 ? time / kAnimationStepMs : 0;
}

std::vector<TsAnimationFrame> ShowAnimationFrames(int time, int finalAlpha, bool aero, int width,
                                                  int height) {
    const int steps = AnimationSteps(time);
    if (steps == 0) return {{finalAlpha, {0, 0, width, height}}};
    std::vector<TsAnimationFrame> frames;
    const double alphaStep = static_cast<double>(finalAlpha) / steps;
    for (int step = 0; step <= steps; ++step) {
        TsAnimationFrame frame;
        frame.Alpha = static_cast<int>(std::lround(std::min<double>(finalAlpha, alphaStep * step)));
        const double inset = aero ? (1.0 - static_cast<double>(step) / steps) / 8 : 0;
        frame.Shown = Inset(width, height, inset);
        frames.push_back(frame);
    }
    return frames;
}

std::vector<TsAnimationFrame> HideAnimationFrames(int time, int startAlpha, bool aero, int width,
                                                  int height, bool blocking) {
    int steps = AnimationSteps(time);
    // The exit's loop fades in fewer, larger steps rather than stopping half way.
    if (blocking) steps = std::min(steps, kMaxBlockingHideMs / kAnimationStepMs);
    std::vector<TsAnimationFrame> frames;
    for (int step = 1; step <= steps; ++step) {
        TsAnimationFrame frame;
        const double done = static_cast<double>(step) / steps;
        frame.Alpha = static_cast<int>(std::lround(startAlpha * (1.0 - done)));
        frame.Shown = Inset(width, height, aero ? done / 8 : 0);
        frames.push_back(frame);
    }
    return frames;
}
