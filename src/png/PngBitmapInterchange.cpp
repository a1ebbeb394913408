// The exchange of PNG pictures with platform bitmaps and the clipboard, and the picture
// framework's registration of the class.
#include <cstdlib>

#include "platform/raster/BitmapOperations.h"
#include "platform/raster/TBitmap.h"
#include "platform/raster/TPicture.h"
#include "png/PngErrors.h"
#include "png/PngLimits.h"
#include "png/TChunkIDAT.h"
#include "png/TChunkIEND.h"
#include "png/TChunkIHDR.h"
#include "png/TChunkPLTE.h"
#include "png/TChunktRNS.h"
#include "png/TPNGObject.h"

namespace {

// The bitmap format that holds the picture without loss.
TPixelFormat CopyFormatFor(const TPNGObject& picture, const TChunkIHDR& header) {
    if (picture.TransparencyKind() == tkAlpha) return pf24bit;
    switch (header.BitDepth) {
        case 1:
            return pf1bit;
        case 2:
        case 4:
            return pf4bit;
        case 8:
        case 16:
            if (header.ColorType == png::kGrey || header.ColorType == png::kRgb) return pf24bit;
            if (header.ColorType == png::kPalette) return pf8bit;
            break;
        default:
            break;
    }
    throw Exception("");
}

// The colours of the picture's colour table, for an indexed bitmap of the same depth.
std::unique_ptr<TPalette> TablePalette(const TChunkIHDR& header) {
    const TBitmapInfo& info = header.BitmapInfo();
    const std::size_t count =
        info.header.clrUsed == 0 ? std::size_t{1} << info.header.bitCount : info.header.clrUsed;
    auto palette = std::make_unique<TPalette>(count);
    for (std::size_t i = 0; i < count && i < TBitmapInfo::kColorTableSize; ++i) {
        const TRgbQuad& q = info.colorTable[i];
        palette->SetEntry(i, TPaletteEntry{q.red, q.green, q.blue, 0});
    }
    return palette;
}

void RenderInto(const TPNGObject& picture, TBitmap& bitmap) {
    const TChunkIHDR& header = picture.Header();
    const TPixelFormat format = CopyFormatFor(picture, header);
    bitmap.SetPixelFormat(format);
    // An indexed bitmap takes the picture's own colours, so that no colour is approximated.
    if (format != pf24bit && header.UsesColorTable()) bitmap.ReplacePalette(TablePalette(header));
    bitmap.SetSize(picture.PixelWidth(), picture.PixelHeight());
    picture.PaintTo(bitmap.Canvas(), TRect{0, 0, picture.PixelWidth(), picture.PixelHeight()});
    if (picture.TransparencyKind() == tkColorKey) {
        bitmap.SetTransparentColor(picture.TransparentKeyColor());
        bitmap.SetTransparent(true);
    }
}

}  // namespace

std::string TPNGObject::ClassName() const {
    return "TPNGObject";
}

std::unique_ptr<TGraphic> TPNGObject::NewSameKind() const {
    return std::make_unique<TPNGObject>();
}

void TPNGObject::CopyFrom(const TGraphic* source) {
    if (source == nullptr) {
        CopyFrom(static_cast<const TPNGObject*>(nullptr));
    } else if (const auto* png = dynamic_cast<const TPNGObject*>(source)) {
        CopyFrom(png);
    } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        if (bitmap->IsEmpty()) {
            Clear();
            return;
        }
        BuildFromBitmap(*bitmap->Handle(), bitmap->Transparent(), bitmap->TransparentColor());
    } else {
        TGraphic::CopyFrom(source);
    }
}

void TPNGObject::CopyTo(TGraphic& destination) const {
    if (auto* png = dynamic_cast<TPNGObject*>(&destination)) {
        CopyTo(*png);
    } else if (auto* bitmap = dynamic_cast<TBitmap*>(&destination);
               bitmap != nullptr && HeaderOrNull() != nullptr) {
        RenderInto(*this, *bitmap);
    } else {
        TGraphic::CopyTo(destination);
    }
}

TClipboardBitmap TPNGObject::ExportClipboardBitmap() const {
    TBitmap bitmap;
    bitmap.SetSize(PixelWidth(), PixelHeight());
    PaintTo(bitmap.Canvas(), TRect{0, 0, PixelWidth(), PixelHeight()});
    return bitmap.ExportClipboardBitmap();
}

void TPNGObject::ImportClipboardBitmap(const TClipboardBitmap& item) {
    TBitmap bitmap;
    bitmap.ImportClipboardBitmap(item);
    BuildFromBitmap(*bitmap.Handle(), false, MakeColor(0, 0, 0));
}

void TPNGObject::BuildFromBitmap(TDeviceBitmap& bitmap, bool transparent, TColor color) {
    const TBitmapDescription description = GetObject(bitmap);
    const auto width = static_cast<std::uint32_t>(description.width);
    const auto height = static_cast<std::uint32_t>(std::abs(description.height));
    // A picture beyond the PNG size limit could be written but never read back.
    if (width > png::kMaxDimension || height > png::kMaxDimension) throw EPNGSizeExceeds();
    Clear();
    auto header = std::make_unique<TChunkIHDR>(*this);
    header->Width = width;
    header->Height = height;
    const bool indexed = description.bitsPixel < 16;
    header->BitDepth = indexed ? static_cast<std::uint8_t>(description.bitsPixel) : 8;
    header->ColorType = indexed ? png::kPalette : png::kRgb;
    header->CompressionMethod = 0;
    header->InterlaceMethod = 0;
    TChunkIHDR& ihdr = static_cast<TChunkIHDR&>(ChunkList().Add(std::move(header)));
    ihdr.PrepareImage();
    auto dc = CreateCompatibleDC(nullptr);
    GetDIBits(*dc, bitmap, 0, height, ihdr.PixelRows(), ihdr.BitmapInfo(), DIB_RGB_COLORS);

    TChunkPLTE* palette = nullptr;
    if (ihdr.UsesColorTable())
        palette = &static_cast<TChunkPLTE&>(ChunkList().Add(std::make_unique<TChunkPLTE>(*this)));
    TChunktRNS* transparency = nullptr;
    if (transparent)
        transparency =
            &static_cast<TChunktRNS&>(ChunkList().Add(std::make_unique<TChunktRNS>(*this)));
    ChunkList().Add(std::make_unique<TChunkIDAT>(*this));
    ChunkList().Add(std::make_unique<TChunkIEND>(*this));

    if (palette != nullptr) {
        palette->EntryCount = 1u << description.bitsPixel;
        ihdr.ReplacePalette(TablePalette(ihdr));
    }
    if (transparency != nullptr) transparency->SetKeyColor(color);
}

namespace {

// Registers the class with the picture framework when the codec is linked in.
struct TPngFormatRegistration {
    TPngFormatRegistration() {
        TPicture::RegisterFileFormat("PNG", "Portable Network Graphics", "TPNGObject",
                                     [] { return std::make_unique<TPNGObject>(); });
    }
    ~TPngFormatRegistration() { TPicture::UnregisterGraphicClass("TPNGObject"); }
};

const TPngFormatRegistration registration;

}  // namespace
