#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/raster/TBitmapInfo.h"
#include "platform/raster/TDibSection.h"
#include "platform/raster/TPalette.h"
#include "png/TChunk.h"

// The header chunk. Besides the seven header fields it owns the decoded image: a
// device-independent bitmap (bottom-up rows, colour table for indexed storage), the palette,
// and the alpha and low-byte planes where the colour type and bit depth have them.
class TChunkIHDR : public TChunkKind<TChunkIHDR> {
public:
    static constexpr std::string_view kKindCode = "IHDR";
    static constexpr std::uint32_t kPayloadSize = 13;

    explicit TChunkIHDR(TPNGObject& picture);
    ~TChunkIHDR() override;

    void CopyFrom(const TChunk& source) override;
    bool ReadPayload(TStream& stream, const png::ChunkType& type, std::uint32_t length) override;
    bool WriteChunk(TStream& stream) override;

    // Creates the image buffers for the header fields, zero-filled; releases the old image
    // first. Raises EPNGImageTooLarge before allocating when they would exceed the limit. For
    // a colour type and bit depth without storage the image stays empty.
    void PrepareImage();
    void ReleaseImage();
    // Gives the image a new size, keeping the top-left content (PngResize.cpp).
    void ResizeImage(std::uint32_t width, std::uint32_t height);

    // Bits per pixel of PixelRows for a colour type and bit depth; 0 when there is no storage.
    static std::uint16_t StorageBitsPerPixel(std::uint8_t colorType, std::uint8_t bitDepth);
    // Bytes PrepareImage would allocate, or nothing when beyond size_t.
    std::optional<std::size_t> ImageBytes() const;

    // Start of image row r (from the top) in PixelRows / LowBytePlane; nullptr when out of range.
    std::uint8_t* RowAddress(std::uint32_t r);
    const std::uint8_t* RowAddress(std::uint32_t r) const;
    std::uint8_t* LowByteRowAddress(std::uint32_t r);
    std::uint8_t* AlphaRowAddress(std::uint32_t r);
    const std::uint8_t* AlphaRowAddress(std::uint32_t r) const;

    std::uint8_t* PixelRows() { return dib_ ? dib_->Bits() : nullptr; }
    const std::uint8_t* PixelRows() const { return dib_ ? dib_->Bits() : nullptr; }
    const TDibSection* BitmapHandle() const { return dib_.get(); }
    TBitmapInfo& BitmapInfo() { return bitmapInfo_; }
    const TBitmapInfo& BitmapInfo() const { return bitmapInfo_; }
    const TPalette* PaletteHandle() const { return palette_.get(); }
    // Takes ownership of a new palette and copies its entries into the colour table.
    void ReplacePalette(std::unique_ptr<TPalette> palette);
    bool UsesColorTable() const { return usesColorTable_; }
    std::vector<std::uint8_t>& LowBytePlane() { return lowBytePlane_; }
    const std::vector<std::uint8_t>& LowBytePlane() const { return lowBytePlane_; }
    std::vector<std::uint8_t>& AlphaPlane() { return alphaPlane_; }
    const std::vector<std::uint8_t>& AlphaPlane() const { return alphaPlane_; }
    std::uint32_t RowStride() const { return rowStride_; }

    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    std::uint8_t BitDepth = 0;
    std::uint8_t ColorType = 0;
    std::uint8_t CompressionMethod = 0;
    std::uint8_t FilterMethod = 0;
    std::uint8_t InterlaceMethod = 0;

private:
    void CheckDecodable() const;
    void InstallInitialPalette();

    std::unique_ptr<TDibSection> dib_;
    std::unique_ptr<TPalette> palette_;
    bool usesColorTable_ = false;
    TBitmapInfo bitmapInfo_;
    std::vector<std::uint8_t> lowBytePlane_;
    std::vector<std::uint8_t> alphaPlane_;
    std::uint32_t rowStride_ = 0;
};
