#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "core/Stream.h"
#include "platform/raster/RasterTypes.h"
#include "platform/raster/TGraphic.h"
#include "platform/raster/TPalette.h"
#include "png/ChunkBudget.h"
#include "png/GreyRamp.h"
#include "png/TPNGList.h"

class TChunkIHDR;

enum TPNGTransparencyKind { tkNone, tkColorKey, tkAlpha };

// Encoder row filters as a bit set (bit n for PNG filter type n).
enum RowFilter : std::uint8_t {
    rfNone = 1 << 0,
    rfSub = 1 << 1,
    rfUp = 1 << 2,
    rfAverage = 1 << 3,
    rfPaeth = 1 << 4
};

// A PNG picture: the ordered list of its chunks, whose header chunk owns the decoded image.
class TPNGObject : public TGraphic {
public:
    static constexpr std::uint32_t kMinIdatChunkSize = 65535;

    TPNGObject();
    ~TPNGObject() override;
    TPNGObject(const TPNGObject&) = delete;
    TPNGObject& operator=(const TPNGObject&) = delete;

    // Replaces the picture by the PNG stream at the stream's position. On failure the chunks
    // read so far stay (see the error classes in PngErrors.h).
    void ReadFromStream(TStream& stream) override;
    void ReadFromFile(const std::string& fileName) override;
    void WriteToStream(TStream& stream) override;
    void WriteToFile(const std::string& fileName) override;

    void Clear();
    // Copies another picture (nullptr empties this one); the gamma tables are not carried.
    virtual void CopyFrom(const TPNGObject* source);
    virtual void CopyTo(TPNGObject& destination) const;

    bool IsEmpty() const override { return chunkList_.Count() == 0; }
    std::int32_t PixelWidth() const override;
    std::int32_t PixelHeight() const override;

    // The header chunk; raises EPNGHeaderNotPresent when the first chunk is not IHDR.
    TChunkIHDR& Header() const;
    TChunkIHDR* HeaderOrNull() const;
    TPNGList& ChunkList() { return chunkList_; }
    const TPNGList& ChunkList() const { return chunkList_; }

    const TPalette* CurrentPalette() const override;
    void ReplacePalette(std::unique_ptr<TPalette> palette) override;

    TPNGTransparencyKind TransparencyKind() const;
    TColor TransparentKeyColor() const;

    virtual TColor PixelAt(std::int32_t x, std::int32_t y) const;
    virtual void SetPixelAt(std::int32_t x, std::int32_t y, TColor color);
    std::uint8_t* RowAddress(std::uint32_t r) const;

    // The graphic face: drawing, bitmap and clipboard interchange, resizing
    // (PngDrawing.cpp, PngBitmapInterchange.cpp, PngResize.cpp).
    std::string ClassName() const override;
    std::unique_ptr<TGraphic> NewSameKind() const override;
    void CopyFrom(const TGraphic* source) override;
    void CopyFrom(std::nullptr_t) { CopyFrom(static_cast<const TPNGObject*>(nullptr)); }
    void CopyTo(TGraphic& destination) const override;
    void PaintTo(TCanvas& canvas, const TRect& rect) const override;
    bool IsTransparent() const override;
    void ChangeWidth(std::int32_t width) override;
    void ChangeHeight(std::int32_t height) override;
    void ImportClipboardBitmap(const TClipboardBitmap& item) override;
    TClipboardBitmap ExportClipboardBitmap() const override;
    void BuildFromBitmap(TDeviceBitmap& bitmap, bool transparent, TColor color);
    void Resize(std::int32_t width, std::int32_t height);

    // Rebuilds both gamma tables for a gAMA value (gamma x 100000, not 0).
    void ComputeGammaTables(std::uint32_t gammaValue);

    // What the chunks of the read in progress may still cost; text chunks spend from it.
    png::ChunkBudget& ReadBudget() { return readBudget_; }

    std::uint32_t IdatChunkSize() const { return idatChunkSize_; }
    void SetIdatChunkSize(std::uint32_t size) {
        idatChunkSize_ = size < kMinIdatChunkSize ? kMinIdatChunkSize : size;
    }

    png::GammaTable EncodeGamma{};
    png::GammaTable DecodeGamma{};
    std::uint8_t RowFilters = rfSub;
    std::uint8_t DeflateLevel = 7;
    std::uint8_t InterlaceMode = 0;

private:
    void ReadChunks(TStream& stream);
    void CopyChunksFrom(const TPNGObject& source);
    std::uint8_t PixelIndex(const TChunkIHDR& header, const std::uint8_t* row,
                            std::uint32_t x) const;

    std::uint32_t idatChunkSize_ = kMinIdatChunkSize;
    TPNGList chunkList_;
    png::ChunkBudget readBudget_;
};
