#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/raster/TBitmap.h"

enum TsImageFormat { ifPNG, ifICO };

// One image of the list: the complete image file as stored with the window, and its picture
// once decoded.
struct TsImgListItem {
    TsImageFormat ImageFormat = ifPNG;
    std::vector<std::uint8_t> ImgData;
    std::int32_t PixelWidth = 0;
    std::int32_t PixelHeight = 0;
    // 32 bits, alpha premultiplied, at the list's size.
    std::shared_ptr<TBitmap> Cached;
};

// An image list whose items are PNG files shown with their full alpha: the icons of the main
// window's buttons.
class TsAlphaImageList {
public:
    TsAlphaImageList(std::int32_t width, std::int32_t height) : width_(width), height_(height) {}

    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    std::size_t Count() const { return items_.size(); }

    // Appends a PNG file; it is decoded at once. An item that cannot be decoded yields no
    // image.
    void AddPng(std::vector<std::uint8_t> bytes);
    // The image at the list's size, or null for an index outside the list or an undecodable
    // item.
    std::shared_ptr<TBitmap> GetBitmap32(int index) const;
    // Alpha-blends the image onto the target at (x, y); an index outside the list draws
    // nothing.
    void Draw(TBitmap& target, int x, int y, int index) const;

private:
    std::int32_t width_;
    std::int32_t height_;
    std::vector<TsImgListItem> items_;
};
