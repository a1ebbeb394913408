// Changing the size of a picture's image, keeping its top-left corner.
#include <algorithm>
#include <cstring>

#include "core/CheckedMath.h"
#include "png/PngErrors.h"
#include "png/PngLimits.h"
#include "png/TChunkIHDR.h"
#include "png/TPNGObject.h"

void TPNGObject::ChangeWidth(std::int32_t width) {
    Resize(width, PixelHeight());
}

void TPNGObject::ChangeHeight(std::int32_t height) {
    Resize(PixelWidth(), height);
}

void TPNGObject::Resize(std::int32_t width, std::int32_t height) {
    // Beyond the PNG size limit the picture could no longer be read back.
    if (width < 1 || height < 1 || static_cast<std::uint32_t>(width) > png::kMaxDimension ||
        static_cast<std::uint32_t>(height) > png::kMaxDimension) {
        throw EPNGInvalidNewSize();
    }
    Header().ResizeImage(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
}

void TChunkIHDR::ResizeImage(std::uint32_t width, std::uint32_t height) {
    if (!dib_) {
        Width = width;
        Height = height;
        return;
    }
    TBitmapInfoHeader header = bitmapInfo_.header;
    header.width = static_cast<std::int32_t>(width);
    header.height = static_cast<std::int32_t>(height);
    const std::uint32_t stride = *TBitmapInfo::RowStrideFor(header.bitCount, width);
    const auto rowBytes = CheckedMul<std::size_t>(stride, height);
    const auto alphaBytes = CheckedMul<std::size_t>(width, height);
    if (!rowBytes || !alphaBytes || *rowBytes + *alphaBytes > png::kMaxImageBytes)
        throw EPNGImageTooLarge();

    auto dib = std::make_unique<TDibSection>(header);
    dib->CopyTopLeftFrom(*dib_);
    const std::uint32_t rows = std::min(height, Height);
    const std::size_t bytes = std::min(stride, rowStride_);

    if (!alphaPlane_.empty()) {
        std::vector<std::uint8_t> alpha(*alphaBytes, 255);
        const std::size_t columns = std::min(width, Width);
        for (std::uint32_t r = 0; r < rows; ++r) {
            std::memcpy(alpha.data() + std::size_t{width} * r,
                        alphaPlane_.data() + std::size_t{Width} * r, columns);
        }
        alphaPlane_ = std::move(alpha);
    }
    // The low bytes keep the geometry of the pixel rows: bottom-up rows of the new stride.
    if (!lowBytePlane_.empty()) {
        std::vector<std::uint8_t> low(*rowBytes, 0);
        for (std::uint32_t r = 0; r < rows; ++r) {
            std::memcpy(low.data() + std::size_t{stride} * (height - 1 - r),
                        lowBytePlane_.data() + std::size_t{rowStride_} * (Height - 1 - r), bytes);
        }
        lowBytePlane_ = std::move(low);
    }
    bitmapInfo_.header.width = header.width;
    bitmapInfo_.header.height = header.height;
    dib_ = std::move(dib);
    rowStride_ = stride;
    Width = width;
    Height = height;
}
