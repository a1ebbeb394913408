#pragma once

// Processor features the wide pixel loops depend on, checked once per process.
namespace raster {

// True when the processor runs AVX2 code (and no lower limit is set). Safe to call from
// static initialisers.
bool HasAvx2();

// True when the processor runs AVX-512 code with byte and word operations, the shorter
// vector forms and byte permutes (F, BW, VL and VBMI), and the bit deposits of BMI2 (and no
// lower limit is set).
bool HasAvx512Vbmi();

// The widest loops the checks above may allow. Every level gives the same pixels; the limit
// lets one machine run, and compare, the narrower loops that other processors take. The
// environment variable VEXMORA_CPU_FEATURES ("none" or "avx2") sets the limit when the
// process first asks; LimitCpuFeatures changes it later (tests).
enum class TCpuLevel { Scalar, Avx2, Avx512Vbmi };
void LimitCpuFeatures(TCpuLevel widest);
TCpuLevel CpuFeatureLimit();

}  // namespace raster
