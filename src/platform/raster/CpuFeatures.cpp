#include "platform/raster/CpuFeatures.h"

namespace raster {

bool HasAvx2() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    // Initialised explicitly: the first call may come from a static initialiser.
    static const bool has = (__builtin_cpu_init(), __builtin_cpu_supports("avx2") != 0);
    return has;
#else
    return false;
#endif
}

}  // namespace raster
