#pragma once

#include <atomic>

#include "net/MakerHostQuestions.h"

// Whether the last check that finished reached the maker's web host. Every check worker
// writes it (true as it starts, false when its request fails); the last write wins. A
// worker's own dialog never depends on it, since an overlapping check may have written it.
extern std::atomic<bool> ConnectionOk;

// The time limits of every post the check workers make. Tests shorten them; a worker takes
// the limits as it starts.
TCheckTimeLimits CheckTimeLimits();
void SetCheckTimeLimits(const TCheckTimeLimits& limits);
