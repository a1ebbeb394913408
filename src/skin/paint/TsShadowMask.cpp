#include "skin/paint/TsShadowMask.h"

#include <algorithm>

#include "platform/raster/PixelView.h"
#include "platform/raster/RasterBlit.h"
#include "skin/paint/FacePictures.h"

TBitmap* TsShadowMask::Prepare(int width, int height) {
    width_ = height_ = 0;
    if (width <= 0 || height <= 0 || std::int64_t{width} * height > kMaxPixels) return nullptr;
    if (!picture_ || picture_->PixelWidth() != width || picture_->PixelHeight() != height)
        picture_ = skinpaint::NewFacePicture(width, height);
    if (picture_->IsEmpty()) return nullptr;
    skinpaint::FillArea(*picture_, TRect{0, 0, width, height}, 0);
    width_ = width;
    height_ = height;
    return picture_.get();
}

std::size_t TsShadowMask::Index(int x, int y) const {
    return static_cast<std::size_t>(y + 1) * static_cast<std::size_t>(width_ + 2) +
           static_cast<std::size_t>(x + 1);
}

std::uint8_t TsShadowMask::Entry(int x, int y) const {
    if (x < -1 || y < -1 || x > width_ || y > height_ || buffer_.empty()) return 0;
    return buffer_[Index(x, y)];
}

void TsShadowMask::Blur(int passes) {
    if (width_ <= 0 || height_ <= 0) return;
    const std::size_t size =
        static_cast<std::size_t>(width_ + 2) * static_cast<std::size_t>(height_ + 2);
    // Grown when too small, zeroed before every rebuild.
    if (buffer_.size() < size) buffer_.resize(size);
    std::fill(buffer_.begin(), buffer_.end(), std::uint8_t{0});
    // The lit entries do not change between passes: read the mask once.
    std::vector<std::size_t> lit;
    const raster::TPixelView view = raster::ViewOf(*picture_->Handle());
    std::vector<std::uint32_t> row(static_cast<std::size_t>(width_));
    for (int y = 0; y < height_; ++y) {
        raster::ReadRow(view, static_cast<std::uint32_t>(y), 0, static_cast<std::uint32_t>(width_),
                        row.data());
        for (int x = 0; x < width_; ++x)
            if ((row[static_cast<std::size_t>(x)] & 0xFF) != 0) lit.push_back(Index(x, y));
    }
    const std::size_t stride = static_cast<std::size_t>(width_ + 2);
    std::uint8_t* b = buffer_.data();
    for (int pass = 0; pass < passes; ++pass) {
        for (const std::size_t i : lit) b[i] = 255;
        for (int y = 0; y < height_; ++y) {
            std::size_t i = Index(0, y);
            for (int x = 0; x < width_; ++x, ++i)
                b[i] = static_cast<std::uint8_t>(
                    (unsigned{b[i - stride]} + b[i + stride] + b[i - 1] + b[i + 1]) / 4);
        }
    }
}

template <typename Mix>
void TsShadowMask::Compose(Mix mix) {
    if (width_ <= 0 || height_ <= 0) return;
    const raster::TPixelView view = raster::ViewOf(*picture_->Handle());
    std::vector<std::uint32_t> row(static_cast<std::size_t>(width_));
    for (int y = 0; y < height_; ++y) {
        raster::ReadRow(view, static_cast<std::uint32_t>(y), 0, static_cast<std::uint32_t>(width_),
                        row.data());
        for (int x = 0; x < width_; ++x) {
            const unsigned a = Entry(x, y);
            std::uint32_t& word = row[static_cast<std::size_t>(x)];
            std::uint32_t out = 0;
            for (int shift = 0; shift <= 16; shift += 8)
                out |= (mix((word >> shift) & 0xFF, shift, a) & 0xFF) << shift;
            word = out;
        }
        raster::WriteRow(view, static_cast<std::uint32_t>(y), 0, static_cast<std::uint32_t>(width_),
                         row.data());
    }
}

void TsShadowMask::ComposeOver(TBitmap& canvas, int x, int y, TColor shadow) {
    if (width_ <= 0 || height_ <= 0) return;
    BitBlt(picture_->Canvas().Handle(), 0, 0, width_, height_, canvas.Canvas().Handle(), x, y,
           SRCCOPY);
    const std::uint32_t s = raster::ColorWord(shadow);
    Compose([s](std::uint32_t c, int shift, unsigned a) {
        return (c * (255 - a) + ((s >> shift) & 0xFF) * a) / 256;
    });
}

void TsShadowMask::ComposeOpaque(TColor shadow, TColor background) {
    const std::uint32_t s = raster::ColorWord(shadow), g = raster::ColorWord(background);
    Compose([s, g](std::uint32_t, int shift, unsigned a) {
        return (((s >> shift) & 0xFF) * a + (255 - a) * ((g >> shift) & 0xFF)) / 256;
    });
}

void TsShadowMask::CopyTo(TBitmap& canvas, int x, int y) const {
    if (width_ <= 0 || height_ <= 0 || canvas.IsEmpty()) return;
    BitBlt(canvas.Canvas().Handle(), x, y, width_, height_, picture_->Canvas().Handle(), 0, 0,
           SRCCOPY);
}
