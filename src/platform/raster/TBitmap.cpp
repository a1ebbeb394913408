#include "platform/raster/TBitmap.h"

#include <algorithm>
#include <array>

#include "platform/raster/BitmapOperations.h"
#include "platform/raster/GraphicErrors.h"
#include "platform/raster/HalftonePalette.h"
#include "platform/raster/RasterBlit.h"

namespace {

std::uint16_t BitsOf(TPixelFormat format) {
    switch (format) {
        case pf1bit:
            return 1;
        case pf4bit:
            return 4;
        case pf8bit:
            return 8;
        case pf15bit:
        case pf16bit:
            return 16;
        case pf24bit:
            return 24;
        default:
            return 32;
    }
}

bool IsIndexedFormat(TPixelFormat format) {
    return format == pf1bit || format == pf4bit || format == pf8bit;
}

// The colours a new indexed bitmap starts with: black and white, the 16 display colours, or
// the halftone palette.
std::shared_ptr<TPalette> DefaultPalette(TPixelFormat format) {
    if (format == pf1bit)
        return std::make_shared<TPalette>(
            std::vector<TPaletteEntry>{{0, 0, 0, 0}, {255, 255, 255, 0}});
    static constexpr std::array<TPaletteEntry, 16> kDisplayColors{{
        {0, 0, 0, 0},
        {128, 0, 0, 0},
        {0, 128, 0, 0},
        {128, 128, 0, 0},
        {0, 0, 128, 0},
        {128, 0, 128, 0},
        {0, 128, 128, 0},
        {192, 192, 192, 0},
        {128, 128, 128, 0},
        {255, 0, 0, 0},
        {0, 255, 0, 0},
        {255, 255, 0, 0},
        {0, 0, 255, 0},
        {255, 0, 255, 0},
        {0, 255, 255, 0},
        {255, 255, 255, 0},
    }};
    if (format == pf4bit)
        return std::make_shared<TPalette>(
            std::vector<TPaletteEntry>(kDisplayColors.begin(), kDisplayColors.end()));
    return std::make_shared<TPalette>(CreateHalftonePalette());
}

TBitmapHandle CreateBitmapOf(std::int32_t width, std::int32_t height, TPixelFormat format,
                             const TPalette* palette) {
    if (format == pfDevice) return CreateCompatibleBitmap(nullptr, width, height);
    TBitmapInfo info;
    info.header = {TBitmapInfoHeader::kSize, width, height, 1, BitsOf(format), 0, 0, 0, 0, 0, 0};
    if (palette != nullptr) {
        const std::size_t count = std::min(palette->EntryCount(), std::size_t{1} << BitsOf(format));
        for (std::size_t i = 0; i < count; ++i) {
            const TPaletteEntry& e = palette->Entry(i);
            info.colorTable[i] = TRgbQuad{e.blue, e.green, e.red, 0};
        }
        info.header.clrUsed = static_cast<std::uint32_t>(count);
    }
    return CreateDIBSection(nullptr, info, DIB_RGB_COLORS);
}

}  // namespace

TBitmap::TBitmap() : dc_(CreateCompatibleDC(nullptr)), canvas_(dc_.get()) {}

TBitmap::~TBitmap() = default;

std::int32_t TBitmap::PixelWidth() const {
    return handle_ ? static_cast<std::int32_t>(handle_->Width()) : 0;
}

std::int32_t TBitmap::PixelHeight() const {
    return handle_ ? static_cast<std::int32_t>(handle_->Height()) : 0;
}

void TBitmap::Adopt(TBitmapHandle bitmap, TPixelFormat format) {
    auto dc = CreateCompatibleDC(nullptr);
    if (bitmap) dc->SelectObject(bitmap);
    dc_ = std::move(dc);
    canvas_.SetHandle(dc_.get());
    handle_ = std::move(bitmap);
    format_ = format;
}

void TBitmap::Rebuild(std::int32_t width, std::int32_t height, TPixelFormat format) {
    if (width <= 0 || height <= 0) {
        Adopt(nullptr, format);
        Changed();
        return;
    }
    if (IsIndexedFormat(format) && (!palette_ || format != format_))
        palette_ = DefaultPalette(format);
    if (!IsIndexedFormat(format) && format != format_) palette_.reset();
    auto bitmap =
        CreateBitmapOf(width, height, format, IsIndexedFormat(format) ? palette_.get() : nullptr);
    if (!bitmap) throw EOutOfResources("Out of system resources");
    auto dc = CreateCompatibleDC(nullptr);
    dc->SelectObject(bitmap);
    TCanvas fresh(dc.get());
    fresh.SetBrushColor(canvas_.BrushColor());
    fresh.FillRect(TRect{0, 0, width, height});
    if (handle_) {
        BitBlt(*dc, 0, 0, std::min(width, PixelWidth()), std::min(height, PixelHeight()), *dc_, 0,
               0, SRCCOPY);
    }
    dc_ = std::move(dc);
    canvas_.SetHandle(dc_.get());
    handle_ = std::move(bitmap);
    format_ = format;
    Changed();
}

void TBitmap::SetSize(std::int32_t width, std::int32_t height) {
    if (width == PixelWidth() && height == PixelHeight()) return;
    Rebuild(width, height, format_);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == format_) return;
    if (IsEmpty()) {
        format_ = format;
        palette_ = IsIndexedFormat(format) ? DefaultPalette(format) : nullptr;
        return;
    }
    Rebuild(PixelWidth(), PixelHeight(), format);
}

void TBitmap::ReplacePalette(std::unique_ptr<TPalette> palette) {
    if (!palette) return;
    palette_ = std::shared_ptr<TPalette>(std::move(palette));
    if (handle_ && handle_->IsIndexed()) {
        std::vector<TRgbQuad> table;
        for (const TPaletteEntry& e : palette_->Entries())
            table.push_back(TRgbQuad{e.blue, e.green, e.red, 0});
        handle_->SetColorTable(table);
    }
    Changed();
}

void TBitmap::CopyFrom(const TGraphic* source) {
    if (source == nullptr) {
        Adopt(nullptr, format_);
        Changed();
        return;
    }
    const auto* bitmap = dynamic_cast<const TBitmap*>(source);
    if (bitmap == nullptr) {
        TGraphic::CopyFrom(source);
        return;
    }
    if (bitmap == this) return;
    palette_ = bitmap->palette_ ? std::make_shared<TPalette>(*bitmap->palette_) : nullptr;
    transparent_ = bitmap->transparent_;
    transparentColor_ = bitmap->transparentColor_;
    fixedTransparentColor_ = bitmap->fixedTransparentColor_;
    Adopt(nullptr, bitmap->format_);
    if (bitmap->IsEmpty()) {
        Changed();
        return;
    }
    Rebuild(bitmap->PixelWidth(), bitmap->PixelHeight(), bitmap->format_);
    BitBlt(*dc_, 0, 0, PixelWidth(), PixelHeight(), *bitmap->dc_, 0, 0, SRCCOPY);
}

TColor TBitmap::TransparentColor() const {
    if (fixedTransparentColor_ || IsEmpty()) return transparentColor_;
    return canvas_.Pixel(0, PixelHeight() - 1);
}

void TBitmap::SetTransparentColor(TColor color) {
    transparentColor_ = color & 0xFFFFFF;
    fixedTransparentColor_ = true;
    Changed();
}

void TBitmap::ImportClipboardBitmap(const TClipboardBitmap& item) {
    if (item.format != CF_BITMAP || !item.data)
        throw EInvalidGraphic("Unsupported clipboard format");
    TDeviceContext source;
    source.SelectObject(item.data);
    palette_ = item.palette ? std::make_shared<TPalette>(*item.palette) : nullptr;
    Adopt(nullptr, pfDevice);
    Rebuild(static_cast<std::int32_t>(item.data->Width()),
            static_cast<std::int32_t>(item.data->Height()), pfDevice);
    BitBlt(*dc_, 0, 0, PixelWidth(), PixelHeight(), source, 0, 0, SRCCOPY);
}

TClipboardBitmap TBitmap::ExportClipboardBitmap() const {
    TClipboardBitmap item;
    item.format = CF_BITMAP;
    if (handle_) {
        item.data = CreateCompatibleBitmap(nullptr, PixelWidth(), PixelHeight());
        if (!item.data) throw EOutOfResources("Out of system resources");
        TDeviceContext copy;
        copy.SelectObject(item.data);
        BitBlt(copy, 0, 0, PixelWidth(), PixelHeight(), *dc_, 0, 0, SRCCOPY);
    }
    if (palette_) item.palette = std::make_shared<TPalette>(*palette_);
    return item;
}
