#pragma once

#include <vector>

#include "platform/raster/TRect.h"

// The frames of a window's show and hide animations: one every kAnimationStepMs, Time / 12 of
// them. Each frame gives the cover's opacity and, for the aero mode, the part of the window's
// picture it shows (inset from each side, growing back to the whole).
inline constexpr int kAnimationStepMs = 12;
// The hide animation that runs while the application ends blocks the exit; it never takes
// longer than this.
inline constexpr int kMaxBlockingHideMs = 1000;

struct TsAnimationFrame {
    int Alpha = 255;
    TRect Shown{};
    friend bool operator==(const TsAnimationFrame&, const TsAnimationFrame&) = default;
};

// Time / 12, integer; 0 for a time below one step.
int AnimationSteps(int time);

// Frames 0..steps: the opacity grows by finalAlpha / steps a frame (capped at finalAlpha,
// rounded); aero starts inset by an eighth of the size and grows back by size / (8 * steps) a
// side each frame. Without a step: one frame, whole and at finalAlpha.
std::vector<TsAnimationFrame> ShowAnimationFrames(int time, int finalAlpha, bool aero, int width,
                                                  int height);

// Frames 1..steps fading from startAlpha to 0 (aero shrinking by an eighth); none without a
// step. blocking: the exit's loop, in at most kMaxBlockingHideMs / 12 steps.
std::vector<TsAnimationFrame> HideAnimationFrames(int time, int startAlpha, bool aero, int width,
                                                  int height, bool blocking);
