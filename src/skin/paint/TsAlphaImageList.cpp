#include "skin/paint/TsAlphaImageList.h"

#include "platform/raster/AlphaBlend.h"
#include "skin/data/SkinPictureDecoding.h"
#include "skin/paint/FacePictures.h"

namespace {

// Items are read as pictures of a current skin: premultiplied alpha.
constexpr double kPremultipliedVersion = 7.6;

}  // namespace

void TsAlphaImageList::AddPng(std::vector<std::uint8_t> bytes) {
    TsImgListItem item;
    item.ImageFormat = ifPNG;
    item.ImgData = std::move(bytes);
    try {
        skin::TPictureBudget budget;
        auto picture = skin::DecodePngPicture(item.ImgData, kPremultipliedVersion, budget);
        if (picture && !picture->IsEmpty()) {
            item.PixelWidth = picture->PixelWidth();
            item.PixelHeight = picture->PixelHeight();
            item.Cached = skinpaint::NewFacePicture(width_, height_);
            // Nearest-pixel resampling when the item's size differs from the list's.
            skinpaint::CopyPiece(*item.Cached, 0, 0, width_, height_, *picture,
                                 TRect{0, 0, item.PixelWidth, item.PixelHeight});
        }
    } catch (const std::exception&) {
        item.Cached.reset();
    }
    items_.push_back(std::move(item));
}

std::shared_ptr<TBitmap> TsAlphaImageList::GetBitmap32(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) return nullptr;
    return items_[static_cast<std::size_t>(index)].Cached;
}

void TsAlphaImageList::Draw(TBitmap& target, int x, int y, int index) const {
    const std::shared_ptr<TBitmap> image = GetBitmap32(index);
    if (!image || target.IsEmpty()) return;
    AlphaBlend(target.Canvas().Handle(), x, y, width_, height_, image->Canvas().Handle(), 0, 0,
               width_, height_, TBlendFunction{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
}
