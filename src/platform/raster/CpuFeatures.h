#pragma once

// Processor features the wide pixel loops depend on, checked once per process.
namespace raster {

// True when the processor runs AVX2 code. Safe to call from static initialisers.
bool HasAvx2();

// True when the processor runs AVX-512 code with byte and word operations, the shorter
// vector forms and byte permutes (F, BW, VL and VBMI), and the bit deposits of BMI2.
bool HasAvx512Vbmi();

}  // namespace raster
