#include "skin/paint/TsFadeAnimation.h"

#include <algorithm>

#include "platform/raster/PixelBlends.h"
#include "skin/paint/FacePictures.h"

int TsFadeAnimation::Weight(int level, int steps) {
    if (steps <= 0) return 0;
    return std::clamp(255 - level * 256 / steps, 0, 255);
}

bool TsFadeAnimation::Start(std::shared_ptr<TBitmap> from, int iterations, bool mouseButtonChange) {
    Stop();
    const int steps = mouseButtonChange ? iterations / 2 : iterations;
    if (!from || from->IsEmpty() || steps <= 0) return false;
    from_ = std::move(from);
    steps_ = steps;
    level_ = 1;
    return true;
}

std::shared_ptr<TBitmap> TsFadeAnimation::Tick(
    const std::function<std::shared_ptr<TBitmap>()>& newFace) {
    if (!from_) return nullptr;
    if (level_ > steps_) {
        Stop();
        return nullptr;
    }
    std::shared_ptr<TBitmap> next = newFace ? newFace() : nullptr;
    if (!next || next->IsEmpty()) {
        Stop();
        return nullptr;
    }
    const int width = std::min(next->PixelWidth(), from_->PixelWidth());
    const int height = std::min(next->PixelHeight(), from_->PixelHeight());
    auto frame = skinpaint::NewFacePicture(next->PixelWidth(), next->PixelHeight());
    skinpaint::CopyPiece(*frame, 0, 0, next->PixelWidth(), next->PixelHeight(), *next,
                         TRect{0, 0, next->PixelWidth(), next->PixelHeight()});
    // The frame keeps Weight of the old face: BlendRect keeps that share of its target.
    skinpaint::CopyPiece(*frame, 0, 0, width, height, *from_, TRect{0, 0, width, height});
    BlendRect(*frame->Handle(), *next->Handle(), static_cast<std::uint8_t>(Weight(level_, steps_)),
              0, 0, TRect{0, 0, width, height});
    ++level_;
    return frame;
}

void TsFadeAnimation::Stop() {
    from_.reset();
    steps_ = 0;
    level_ = 0;
}
