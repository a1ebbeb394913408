#pragma once

#include <optional>

// Whether translucent top-level windows show what lies behind them: on X11 only while a
// compositing manager runs (the _NET_WM_CM_S<screen> selection has an owner), on Wayland
// always. Without one, transparent pixels show black, so extended borders, glows and
// animations are left out. Decided once, at the first question.
namespace TsCompositor {

// Which platform the answer was found for.
enum class Platform { X11, Wayland, Offscreen, Other };

bool LayeredWindowsAvailable();
// Set, it answers LayeredWindowsAvailable in place of the platform (tests of both kinds of frame
// in one process).
std::optional<bool>& TestAnswer();
Platform CurrentPlatform();

// The answer for a platform, from what was found there; offscreen (tests) answers
// VEXMORA_COMPOSITOR=on and nothing else.
bool Decide(Platform platform, bool x11SelectionOwned, const char* override);

}  // namespace TsCompositor
