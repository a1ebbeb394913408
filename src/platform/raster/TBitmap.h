#pragma once

#include <memory>

#include "platform/raster/TDeviceContext.h"
#include "platform/raster/TGraphic.h"

// Pixel formats of a platform bitmap: pfDevice is a device bitmap in the screen's format, the
// others device-independent bitmap sections of that depth (pf15bit and pf16bit both hold
// 5-5-5 pixels).
enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };

// The framework's platform bitmap: a bitmap handle selected into its own memory context,
// with a canvas to draw on it, a palette for indexed formats and the transparent colour used
// when it is drawn transparent. Resizing keeps the top-left content; new area is white (the
// canvas brush).
class TBitmap : public TGraphic {
public:
    TBitmap();
    ~TBitmap() override;

    std::string ClassName() const override { return "TBitmap"; }
    std::unique_ptr<TGraphic> NewSameKind() const override { return std::make_unique<TBitmap>(); }

    // Copies another bitmap (nullptr empties this one); other graphics copy themselves here.
    void CopyFrom(const TGraphic* source) override;
    void PaintTo(TCanvas& canvas, const TRect& rect) const override;
    bool IsEmpty() const override { return handle_ == nullptr; }
    std::int32_t PixelWidth() const override;
    std::int32_t PixelHeight() const override;
    void ChangeWidth(std::int32_t width) override { SetSize(width, PixelHeight()); }
    void ChangeHeight(std::int32_t height) override { SetSize(PixelWidth(), height); }
    const TPalette* CurrentPalette() const override { return palette_.get(); }
    // Indexed formats take the palette's colours into their colour table (up to its size).
    void ReplacePalette(std::unique_ptr<TPalette> palette) override;

    // Device-independent bitmap files (BMP) of any depth the raster layer holds, uncompressed.
    void ReadFromStream(TStream& stream) override;
    void WriteToStream(TStream& stream) override;
    // Takes a copy of a CF_BITMAP item; other formats raise EInvalidGraphic.
    void ImportClipboardBitmap(const TClipboardBitmap& item) override;
    // CF_BITMAP, a copy of the device bitmap (screen format), and a copy of the palette.
    TClipboardBitmap ExportClipboardBitmap() const override;

    // A size of 0 in either direction empties the bitmap. Raises EOutOfResources "Out of
    // system resources" when the bitmap cannot be created.
    void SetSize(std::int32_t width, std::int32_t height);
    TPixelFormat PixelFormat() const { return format_; }
    // Converts the content to the new format.
    void SetPixelFormat(TPixelFormat format);

    TCanvas& Canvas() { return canvas_; }
    const TBitmapHandle& Handle() const { return handle_; }

    // Until set, the colour of the bottom-left pixel (the framework's automatic mode).
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);

private:
    void Rebuild(std::int32_t width, std::int32_t height, TPixelFormat format);
    void Adopt(TBitmapHandle bitmap, TPixelFormat format);

    std::unique_ptr<TDeviceContext> dc_;
    TCanvas canvas_;
    TBitmapHandle handle_;
    TPixelFormat format_ = pfDevice;
    std::shared_ptr<TPalette> palette_;
    TColor transparentColor_ = 0;
    bool fixedTransparentColor_ = false;
};
