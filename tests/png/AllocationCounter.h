#pragma once

#include <cstddef>

// Counts the bytes held through operator new in this test program (which replaces the global
// operator new and delete), so that a test can measure the peak a piece of work reaches.
namespace alloccount {

// Starts a measurement: the peak is reset to what is held now.
void ResetPeak();
// The most bytes held at once since ResetPeak, beyond what was held then.
std::size_t PeakSinceReset();

}  // namespace alloccount
