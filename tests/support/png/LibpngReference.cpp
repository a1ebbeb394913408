#include "LibpngReference.h"

#include <cstring>
#include <stdexcept>

namespace libpngref {

namespace {

struct MemoryReader {
    const Bytes* bytes;
    std::size_t position;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (count > reader->bytes->size() - reader->position) png_error(png, "read past end");
    std::memcpy(out, reader->bytes->data() + reader->position, count);
    reader->position += count;
}

void WriteToMemory(png_structp png, png_bytep data, png_size_t count) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + count);
}

void FlushNothing(png_structp) {}

FileInfo ReadFileInfo(png_structp png, png_infop info) {
    FileInfo file;
    file.width = png_get_image_width(png, info);
    file.height = png_get_image_height(png, info);
    file.bitDepth = png_get_bit_depth(png, info);
    file.colorType = png_get_color_type(png, info);
    file.interlace = png_get_interlace_type(png, info);
    png_fixed_point gamma = 0;
    if (png_get_gAMA_fixed(png, info, &gamma) != 0) {
        file.hasGamma = true;
        file.gamma = static_cast<std::uint32_t>(gamma);
    }
    png_colorp palette = nullptr;
    int entries = 0;
    if (png_get_PLTE(png, info, &palette, &entries) != 0) {
        for (int i = 0; i < entries; ++i)
            file.palette.insert(file.palette.end(),
                                {palette[i].red, palette[i].green, palette[i].blue});
    }
    png_color_16p key = nullptr;
    if (png_get_tRNS(png, info, nullptr, nullptr, &key) != 0 && key != nullptr &&
        (file.colorType == PNG_COLOR_TYPE_GRAY || file.colorType == PNG_COLOR_TYPE_RGB)) {
        file.hasKey = true;
        file.key = *key;
    }
    return file;
}

void SetTransparency(png_structp png, png_infop info, const Source& source) {
    if (source.transparency.empty()) return;
    const auto& t = source.transparency;
    const auto sample = [&](std::size_t i) {
        return i + 1 < t.size() ? static_cast<png_uint_16>(t[i] << 8 | t[i + 1]) : png_uint_16{0};
    };
    png_color_16 key{};
    if (source.colorType == PNG_COLOR_TYPE_GRAY) key.gray = sample(0);
    if (source.colorType == PNG_COLOR_TYPE_RGB) {
        key.red = sample(0);
        key.green = sample(2);
        key.blue = sample(4);
    }
    png_set_tRNS(png, info, t.data(), static_cast<int>(t.size()), &key);
}

}  // namespace

Decoded DecodeInto(const Bytes& file, Bytes& target, const Transforms& transforms) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    MemoryReader reader{&file, 0};
    Decoded decoded;
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw std::runtime_error("libpng could not read the stream");
    }
    png_set_read_fn(png, &reader, &ReadFromMemory);
    png_read_info(png, info);
    decoded.file = ReadFileInfo(png, info);
    if (transforms) transforms(png, info);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    decoded.width = png_get_image_width(png, info);
    decoded.height = png_get_image_height(png, info);
    decoded.channels = png_get_channels(png, info);
    decoded.bitDepth = png_get_bit_depth(png, info);
    decoded.rowBytes = png_get_rowbytes(png, info);
    target.resize(decoded.rowBytes * decoded.height);
    rows.resize(decoded.height);
    for (std::uint32_t y = 0; y < decoded.height; ++y)
        rows[y] = target.data() + decoded.rowBytes * y;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return decoded;
}

Decoded Decode(const Bytes& file, const Transforms& transforms) {
    Bytes rows;
    Decoded decoded = DecodeInto(file, rows, transforms);
    decoded.rows = std::move(rows);
    return decoded;
}

Bytes Encode(const Source& source, const WriteSettings& settings) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    Bytes out;
    std::vector<png_color> palette;
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng could not write the stream");
    }
    png_set_write_fn(png, &out, &WriteToMemory, &FlushNothing);
    png_set_IHDR(png, info, source.width, source.height, source.bitDepth, source.colorType,
                 source.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    for (std::size_t i = 0; i + 2 < source.palette.size(); i += 3)
        palette.push_back({source.palette[i], source.palette[i + 1], source.palette[i + 2]});
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    SetTransparency(png, info, source);
    if (source.gamma != 0)
        png_set_gAMA_fixed(png, info, static_cast<png_fixed_point>(source.gamma));
    if (settings) settings(png);
    png_write_info(png, info);
    const std::size_t rowBytes = png_get_rowbytes(png, info);
    if (source.rows.size() < rowBytes * source.height) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("too few sample rows for libpng to write");
    }
    for (std::uint32_t y = 0; y < source.height; ++y)
        rows.push_back(const_cast<png_bytep>(source.rows.data()) + rowBytes * y);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::optional<GrayImage> DecodeGray(const void* data, std::size_t size) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size)) return std::nullopt;
    image.format = PNG_FORMAT_GRAY;
    GrayImage gray;
    gray.width = image.width;
    gray.height = image.height;
    gray.pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, gray.pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    return gray;
}

}  // namespace libpngref
