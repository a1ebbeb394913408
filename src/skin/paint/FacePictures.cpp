#include "skin/paint/FacePictures.h"

#include "platform/raster/RasterBlit.h"

namespace skinpaint {

std::shared_ptr<TBitmap> NewFacePicture(int width, int height) {
    auto picture = std::make_shared<TBitmap>();
    picture->SetPixelFormat(pf32bit);
    if (width > 0 && height > 0) picture->SetSize(width, height);
    return picture;
}

TBitmap* MaskPicture(const TsSkinContent& skin, const TsMaskData& mask) {
    TBitmap* picture = mask.Bmp ? mask.Bmp.get() : skin.MasterBitmap.get();
    return picture != nullptr && !picture->IsEmpty() ? picture : nullptr;
}

const TsMaskData* MaskAt(const TsSkinContent& skin, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= skin.Masks.size()) return nullptr;
    return &skin.Masks[static_cast<std::size_t>(index)];
}

const TsGeneralData* SectionAt(const TsSkinContent& skin, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= skin.GeneralData.size()) return nullptr;
    return &skin.GeneralData[static_cast<std::size_t>(index)];
}

void FillArea(TBitmap& target, const TRect& rect, TColor color) {
    if (target.IsEmpty()) return;
    target.Canvas().SetBrushColor(color);
    target.Canvas().FillRect(rect);
}

void FillFromParent(TBitmap& target, const TRect& rect, const CacheInfo& parent) {
    if (parent.Ready && parent.Bmp && !parent.Bmp->IsEmpty()) {
        BitBlt(target.Canvas().Handle(), rect.left, rect.top, rect.Width(), rect.Height(),
               parent.Bmp->Canvas().Handle(), rect.left + parent.X, rect.top + parent.Y, SRCCOPY);
    } else {
        FillArea(target, rect, parent.FillColor);
    }
}

void CopyPiece(TBitmap& target, int x, int y, int width, int height, TBitmap& source,
               const TRect& sourceRect) {
    if (width <= 0 || height <= 0 || sourceRect.Width() <= 0 || sourceRect.Height() <= 0) return;
    TDeviceContext& dst = target.Canvas().Handle();
    const TDeviceContext& src = source.Canvas().Handle();
    if (width == sourceRect.Width() && height == sourceRect.Height())
        BitBlt(dst, x, y, width, height, src, sourceRect.left, sourceRect.top, SRCCOPY);
    else
        StretchBlt(dst, x, y, width, height, src, sourceRect.left, sourceRect.top,
                   sourceRect.Width(), sourceRect.Height(), SRCCOPY);
}

bool FitsIn(const TBitmap& target, const TRect& rect) {
    return !target.IsEmpty() && rect.left >= 0 && rect.top >= 0 &&
           rect.right <= target.PixelWidth() && rect.bottom <= target.PixelHeight() &&
           rect.Width() > 0 && rect.Height() > 0;
}

CacheInfo ToCacheInfoImpl(const BackgroundInfo& info) {
    if (info.BgType == BackgroundInfo::Picture && info.Bmp && !info.Bmp->IsEmpty())
        return CacheInfo{info.Bmp, info.OffsetX, info.OffsetY, kKeyColor, true};
    return CacheInfo{nullptr, info.OffsetX, info.OffsetY, info.Color & 0xFFFFFF, false};
}

}  // namespace skinpaint

CacheInfo ToCacheInfo(const BackgroundInfo& info) {
    return skinpaint::ToCacheInfoImpl(info);
}
