// Feeds arbitrary replies of the version script to the version reader. Every outcome must be
// EConvertError or a finite single whose shown form reads back to within half a hundredth.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "net/VersionNumber.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    float version = 0;
    try {
        version = ReadVersionNumber(text);
    } catch (const EConvertError&) {
        return 0;
    }
    if (!std::isfinite(version)) __builtin_trap();
    const float shown = ReadVersionNumber(ShowVersionNumber(version));
    const double error = std::fabs(static_cast<double>(shown) - static_cast<double>(version));
    if (error > 0.005 + std::fabs(static_cast<double>(version)) * 1e-6) __builtin_trap();
    return 0;
}
