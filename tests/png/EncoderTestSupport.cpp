#include "EncoderTestSupport.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "LibpngReference.h"
#include "core/TMemoryStream.h"
#include "png/PngFormat.h"
#include "png/TChunkIDAT.h"
#include "png/TChunkIEND.h"
#include "png/TChunkIHDR.h"

namespace enctest {

namespace {

std::uint32_t U32At(const Bytes& bytes, std::size_t at) {
    return (std::uint32_t{bytes[at]} << 24) | (std::uint32_t{bytes[at + 1]} << 16) |
           (std::uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
}

}  // namespace

std::string SuiteFile(const std::string& name) {
    return std::string(VEXMORA_TESTDATA_DIR) + "/pngsuite/" + name;
}

std::vector<std::string> ValidSuiteFiles() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(SuiteFile(""))) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 4 && name.ends_with(".png") && name[0] != 'x') names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

Bytes LoadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ReadInto(TPNGObject& picture, const Bytes& bytes) {
    TMemoryStream stream(bytes);
    picture.ReadFromStream(stream);
}

Bytes WriteToBytes(TPNGObject& picture) {
    TMemoryStream stream;
    picture.WriteToStream(stream);
    return Bytes(stream.Bytes().begin(), stream.Bytes().end());
}

std::vector<RawChunk> ParseChunks(const Bytes& file) {
    if (file.size() < 8 ||
        !std::equal(png::kSignature.begin(), png::kSignature.end(), file.begin())) {
        throw std::runtime_error("no PNG signature");
    }
    std::vector<RawChunk> chunks;
    std::size_t at = 8;
    while (at < file.size()) {
        if (file.size() - at < 12) throw std::runtime_error("truncated chunk");
        const std::uint32_t length = U32At(file, at);
        if (file.size() - at - 12 < length) throw std::runtime_error("truncated chunk");
        RawChunk chunk{std::string(file.begin() + static_cast<std::ptrdiff_t>(at + 4),
                                   file.begin() + static_cast<std::ptrdiff_t>(at + 8)),
                       Bytes(file.begin() + static_cast<std::ptrdiff_t>(at + 8),
                             file.begin() + static_cast<std::ptrdiff_t>(at + 8 + length))};
        const uLong crc = crc32(0, file.data() + at + 4, 4 + length);
        if (crc != U32At(file, at + 8 + length))
            throw std::runtime_error("bad CRC in " + chunk.type);
        chunks.push_back(std::move(chunk));
        at += 12 + length;
    }
    return chunks;
}

std::vector<std::string> ChunkOrder(const std::vector<RawChunk>& chunks) {
    std::vector<std::string> order;
    for (const RawChunk& chunk : chunks) {
        if (chunk.type == "IDAT" && !order.empty() && order.back() == "IDAT") continue;
        order.push_back(chunk.type);
    }
    return order;
}

Bytes IdatStream(const std::vector<RawChunk>& chunks) {
    Bytes stream;
    for (const RawChunk& chunk : chunks) {
        if (chunk.type == "IDAT")
            stream.insert(stream.end(), chunk.payload.begin(), chunk.payload.end());
    }
    return stream;
}

std::vector<std::size_t> IdatSizes(const std::vector<RawChunk>& chunks) {
    std::vector<std::size_t> sizes;
    for (const RawChunk& chunk : chunks) {
        if (chunk.type == "IDAT") sizes.push_back(chunk.payload.size());
    }
    return sizes;
}

Bytes Inflate(const Bytes& zlibStream) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) throw std::runtime_error("inflateInit");
    Bytes out;
    std::vector<std::uint8_t> window(1 << 16);
    stream.next_in = const_cast<Bytef*>(zlibStream.data());
    stream.avail_in = static_cast<uInt>(zlibStream.size());
    int result = Z_OK;
    while (result == Z_OK) {
        stream.next_out = window.data();
        stream.avail_out = static_cast<uInt>(window.size());
        result = inflate(&stream, Z_NO_FLUSH);
        out.insert(out.end(), window.data(), stream.next_out);
    }
    const bool complete = result == Z_STREAM_END && stream.avail_in == 0;
    inflateEnd(&stream);
    if (!complete) throw std::runtime_error("incomplete zlib stream");
    return out;
}

std::vector<std::uint8_t> RowFilterTypes(const Bytes& inflated, std::uint32_t width,
                                         std::uint32_t height, std::uint8_t bitDepth,
                                         std::uint8_t colorType, bool interlaced) {
    std::vector<std::uint8_t> types;
    std::size_t at = 0;
    auto takeRows = [&](std::uint32_t pixels, std::uint32_t rows) {
        const std::size_t rowBytes = png::RowBytesFor(colorType, bitDepth, pixels);
        if (rowBytes == 0) return;
        for (std::uint32_t r = 0; r < rows; ++r) {
            if (at >= inflated.size()) throw std::runtime_error("image data too short");
            types.push_back(inflated[at]);
            at += 1 + rowBytes;
        }
    };
    if (!interlaced) {
        takeRows(width, height);
    } else {
        for (int pass = 0; pass < png::kAdam7Passes; ++pass) {
            const auto p = static_cast<std::size_t>(pass);
            const std::uint32_t first = png::kAdam7FirstRow[p];
            const std::uint32_t rows =
                height > first
                    ? (height - first + png::kAdam7RowStep[p] - 1) / png::kAdam7RowStep[p]
                    : 0;
            takeRows(png::Adam7PassWidth(width, pass), rows);
        }
    }
    if (at != inflated.size())
        throw std::runtime_error("image data length does not match the header");
    return types;
}

LibpngImage DecodeWithLibpng(const Bytes& file, bool strip16) {
    libpngref::Decoded decoded = libpngref::Decode(file, [strip16](png_structp png, png_infop) {
        png_set_palette_to_rgb(png);
        png_set_expand_gray_1_2_4_to_8(png);
        if (strip16) png_set_strip_16(png);
    });
    LibpngImage image;
    image.width = decoded.width;
    image.height = decoded.height;
    image.channels = decoded.channels;
    image.bytesPerSample = decoded.bitDepth == 16 ? 2 : 1;
    image.fileBitDepth = decoded.file.bitDepth;
    image.fileColorType = decoded.file.colorType;
    image.interlace = decoded.file.interlace;
    image.samples = std::move(decoded.rows);
    return image;
}

Bytes EncodeWithLibpng(const LibpngSource& source) {
    return libpngref::Encode(source);
}

std::unique_ptr<TPNGObject> MakePicture(std::uint32_t width, std::uint32_t height,
                                        std::uint8_t bitDepth, std::uint8_t colorType) {
    auto picture = std::make_unique<TPNGObject>();
    picture->Clear();
    auto header = std::make_unique<TChunkIHDR>(*picture);
    TChunkIHDR& placed = *header;
    picture->ChunkList().Add(std::move(header));
    placed.Width = width;
    placed.Height = height;
    placed.BitDepth = bitDepth;
    placed.ColorType = colorType;
    placed.PrepareImage();
    picture->ChunkList().Add(std::make_unique<TChunkIDAT>(*picture));
    picture->ChunkList().Add(std::make_unique<TChunkIEND>(*picture));
    return picture;
}

}  // namespace enctest
