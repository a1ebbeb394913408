#include "platform/raster/TBitmapInfo.h"

#include "core/CheckedMath.h"

std::optional<std::uint32_t> TBitmapInfo::RowStrideFor(std::uint32_t bitCount,
                                                       std::uint32_t width) {
    const auto bits = CheckedMul<std::uint64_t>(bitCount, width);
    if (!bits) return std::nullopt;
    const std::uint64_t stride = (*bits + 31) / 32 * 4;
    if (stride > UINT32_MAX) return std::nullopt;
    return static_cast<std::uint32_t>(stride);
}

namespace {

void PutLittleEndian(std::uint8_t* out, std::uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::array<std::uint8_t, TBitmapInfo::kSerializedHeaderSize> TBitmapInfo::SerializeHeader() const {
    std::array<std::uint8_t, kSerializedHeaderSize> out{};
    PutLittleEndian(&out[0], header.size, 4);
    PutLittleEndian(&out[4], static_cast<std::uint32_t>(header.width), 4);
    PutLittleEndian(&out[8], static_cast<std::uint32_t>(header.height), 4);
    PutLittleEndian(&out[12], header.planes, 2);
    PutLittleEndian(&out[14], header.bitCount, 2);
    PutLittleEndian(&out[16], header.compression, 4);
    PutLittleEndian(&out[20], header.sizeImage, 4);
    PutLittleEndian(&out[24], static_cast<std::uint32_t>(header.xPelsPerMeter), 4);
    PutLittleEndian(&out[28], static_cast<std::uint32_t>(header.yPelsPerMeter), 4);
    PutLittleEndian(&out[32], header.clrUsed, 4);
    PutLittleEndian(&out[36], header.clrImportant, 4);
    return out;
}
