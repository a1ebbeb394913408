#pragma once

#include <cstdint>

// Text-format bits the painters add to the caller's alignment flags. They lie above every
// flag the window system's text drawing uses, which the text renderer strips them from.

// The text is cut at the end of the rectangle and ends with an ellipsis.
inline constexpr std::uint32_t kTextEndEllipsis = 0x10000000;
