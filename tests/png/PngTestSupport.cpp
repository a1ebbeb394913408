#include "PngTestSupport.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "LibpngReference.h"

namespace pngtest {

std::string SuitePath(const std::string& name) {
    return std::string(VEXMORA_TESTDATA_DIR) + "/pngsuite/" + name;
}

std::vector<std::string> SuiteFiles(bool broken) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(SuitePath(""))) {
        const std::string name = entry.path().filename().string();
        if (name.size() > 4 && name.ends_with(".png") && (name[0] == 'x') == broken)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

Bytes ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes U32(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
            static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)};
}

std::uint32_t ChunkCrc(std::string_view type, const Bytes& payload) {
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type.data()), 4);
    // zlib answers 0 for a null buffer, so an empty payload leaves the CRC alone explicitly.
    if (!payload.empty()) crc = crc32(crc, payload.data(), static_cast<uInt>(payload.size()));
    return static_cast<std::uint32_t>(crc);
}

PngBuilder::PngBuilder(bool withSignature) {
    if (withSignature) bytes_ = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
}

PngBuilder& PngBuilder::Chunk(std::string_view type, const Bytes& payload) {
    return ChunkWithCrc(type, payload, ChunkCrc(type, payload));
}

PngBuilder& PngBuilder::ChunkWithCrc(std::string_view type, const Bytes& payload,
                                     std::uint32_t crc) {
    starts_.push_back(bytes_.size());
    const Bytes length = U32(static_cast<std::uint32_t>(payload.size()));
    bytes_.insert(bytes_.end(), length.begin(), length.end());
    bytes_.insert(bytes_.end(), type.begin(), type.end());
    bytes_.insert(bytes_.end(), payload.begin(), payload.end());
    const Bytes tail = U32(crc);
    bytes_.insert(bytes_.end(), tail.begin(), tail.end());
    return *this;
}

PngBuilder& PngBuilder::Raw(const Bytes& bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
}

Bytes Ihdr(std::uint32_t width, std::uint32_t height, std::uint8_t bitDepth, std::uint8_t colorType,
           std::uint8_t interlace) {
    Bytes payload = U32(width);
    const Bytes h = U32(height);
    payload.insert(payload.end(), h.begin(), h.end());
    payload.insert(payload.end(), {bitDepth, colorType, 0, 0, interlace});
    return payload;
}

Bytes Zlib(const Bytes& raw, int level) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    Bytes out(size);
    if (compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), level) != Z_OK) {
        throw std::runtime_error("compress2 failed");
    }
    out.resize(size);
    return out;
}

Bytes SimplePng(const Bytes& ihdr, const Bytes& rawRows) {
    return PngBuilder().Chunk("IHDR", ihdr).Chunk("IDAT", Zlib(rawRows)).Chunk("IEND", {}).Data();
}

void ReadPng(TPNGObject& picture, const Bytes& bytes) {
    TMemoryStream stream(bytes);
    picture.ReadFromStream(stream);
}

std::int64_t ReadPngAt(TPNGObject& picture, TMemoryStream& stream) {
    picture.ReadFromStream(stream);
    return stream.Position();
}

std::array<std::uint8_t, 256> ReferenceDecodeGamma(std::uint32_t gammaValue) {
    std::array<std::uint8_t, 256> table{};
    const double exponent = 100000.0 / (gammaValue * 2.2);
    for (int i = 0; i < 256; ++i) {
        table[static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(std::lrint(std::pow(i / 255.0, exponent) * 255.0));
    }
    return table;
}

ReferenceImage DecodeWithLibpng(const Bytes& file) {
    libpngref::Decoded decoded = libpngref::Decode(file, [](png_structp png, png_infop) {
        png_set_expand(png);
        png_set_strip_16(png);
        png_set_gray_to_rgb(png);
        png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    });
    ReferenceImage image;
    image.width = decoded.width;
    image.height = decoded.height;
    image.rgba = std::move(decoded.rows);
    image.hasGamma = decoded.file.hasGamma;
    image.gammaValue = decoded.file.gamma;
    return image;
}

Bytes ShownKeyAlphaWithLibpng(const Bytes& file, const std::array<std::uint8_t, 256>& gamma) {
    const libpngref::Decoded decoded = libpngref::Decode(file);
    Bytes alpha;
    if (decoded.file.colorType != PNG_COLOR_TYPE_RGB || !decoded.file.hasKey) return alpha;
    const bool wide = decoded.bitDepth == 16;
    const std::uint16_t keys[3] = {decoded.file.key.red, decoded.file.key.green,
                                   decoded.file.key.blue};
    const std::uint32_t width = decoded.width;
    alpha.assign(static_cast<std::size_t>(width) * decoded.height, 255);
    for (std::uint32_t y = 0; y < decoded.height; ++y) {
        const std::uint8_t* row = decoded.rows.data() + decoded.rowBytes * y;
        for (std::uint32_t x = 0; x < width; ++x) {
            bool equal = true;
            for (int c = 0; c < 3; ++c) {
                if (wide) {
                    const std::uint8_t* sample = row + (x * 3 + static_cast<std::uint32_t>(c)) * 2;
                    equal = equal && gamma[sample[0]] == gamma[keys[c] >> 8] &&
                            gamma[sample[1]] == gamma[keys[c] & 0xFF];
                } else {
                    equal = equal && keys[c] <= 255 &&
                            gamma[row[x * 3 + static_cast<std::uint32_t>(c)]] == gamma[keys[c]];
                }
            }
            if (equal) alpha[static_cast<std::size_t>(y) * width + x] = 0;
        }
    }
    return alpha;
}

}  // namespace pngtest
