#pragma once

// Processor features the wide pixel loops depend on, checked once per process.
namespace raster {

// True when the processor runs AVX2 code. Safe to call from static initialisers.
bool HasAvx2();

}  // namespace raster
