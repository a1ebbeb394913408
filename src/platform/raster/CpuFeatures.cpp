#include "platform/raster/CpuFeatures.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace raster {

namespace {

TCpuLevel LimitFromEnvironment() {
    const char* value = std::getenv("VEXMORA_CPU_FEATURES");
    if (value == nullptr) return TCpuLevel::Avx512Vbmi;
    if (std::strcmp(value, "none") == 0) return TCpuLevel::Scalar;
    if (std::strcmp(value, "avx2") == 0) return TCpuLevel::Avx2;
    return TCpuLevel::Avx512Vbmi;
}

std::atomic<TCpuLevel>& Limit() {
    // Initialised on first use: the first call may come from a static initialiser.
    static std::atomic<TCpuLevel> limit{LimitFromEnvironment()};
    return limit;
}

bool Allowed(TCpuLevel level) {
    return static_cast<int>(Limit().load(std::memory_order_relaxed)) >= static_cast<int>(level);
}

bool ProcessorHasAvx2() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool has = (__builtin_cpu_init(), __builtin_cpu_supports("avx2") != 0);
    return has;
#else
    return false;
#endif
}

bool ProcessorHasAvx512Vbmi() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool has = (__builtin_cpu_init(), __builtin_cpu_supports("avx512f") != 0 &&
                                                       __builtin_cpu_supports("avx512bw") != 0 &&
                                                       __builtin_cpu_supports("avx512vl") != 0 &&
                                                       __builtin_cpu_supports("bmi2") != 0 &&
                                                       __builtin_cpu_supports("avx512vbmi") != 0);
    return has;
#else
    return false;
#endif
}

}  // namespace

bool HasAvx2() {
    return Allowed(TCpuLevel::Avx2) && ProcessorHasAvx2();
}

bool HasAvx512Vbmi() {
    return Allowed(TCpuLevel::Avx512Vbmi) && ProcessorHasAvx512Vbmi();
}

void LimitCpuFeatures(TCpuLevel widest) {
    Limit().store(widest, std::memory_order_relaxed);
}

TCpuLevel CpuFeatureLimit() {
    return Limit().load(std::memory_order_relaxed);
}

}  // namespace raster
