#pragma once

#include <functional>
#include <memory>

#include "platform/raster/TBitmap.h"

// The fading of a control from its old face to its new one: FADINGITERATIONS steps (half of
// them for mouse-down and mouse-up changes), each showing the new face blended with the old at
// weight clamp(255 - level * 256 / steps). The window layer drives Tick() from a 10 ms timer;
// tests call it directly.
class TsFadeAnimation {
public:
    static constexpr int kIntervalMs = 10;

    // Starts from the face shown now. Answers false (no fading) without a face or steps.
    bool Start(std::shared_ptr<TBitmap> from, int iterations, bool mouseButtonChange);
    // One step: renders the new face with newFace, blends it and answers the picture to show;
    // nullptr once the fade is over (then the control repaints normally).
    std::shared_ptr<TBitmap> Tick(const std::function<std::shared_ptr<TBitmap>()>& newFace);
    void Stop();

    bool Running() const { return from_ != nullptr; }
    int Steps() const { return steps_; }
    int Level() const { return level_; }

    // The weight of the old face at that level.
    static int Weight(int level, int steps);

private:
    std::shared_ptr<TBitmap> from_;
    int steps_ = 0;
    int level_ = 0;
};
