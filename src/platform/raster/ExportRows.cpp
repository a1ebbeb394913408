#include "platform/raster/ExportRows.h"

#include <cstring>
#include <vector>

namespace raster {

namespace {

std::uint32_t OpaqueWord(const TPixelView& view, std::uint32_t value) {
    switch (view.domain) {
        case TPixelDomain::Mono:
            return value ? 0xFFFFFFFFu : 0xFF000000u;
        case TPixelDomain::Index:
            return 0xFF000000u | view.IndexColor(value);
        case TPixelDomain::Color:
            break;
    }
    return 0xFF000000u | (value & kColorMask);
}

}  // namespace

void ExportRows(const TPixelView& view, std::uint8_t* target, std::size_t stride,
                TFourthByte fourth) {
    if (view.width == 0 || view.height == 0 || target == nullptr) return;
    std::vector<std::uint32_t> values(view.width);
    for (std::uint32_t r = 0; r < view.height; ++r) {
        ReadRow(view, r, 0, view.width, values.data());
        if (fourth == TFourthByte::Opaque)
            for (std::uint32_t& value : values) value = OpaqueWord(view, value);
        std::memcpy(target + stride * r, values.data(), 4 * std::size_t{view.width});
    }
}

}  // namespace raster
