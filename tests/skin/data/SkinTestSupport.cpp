#include "SkinTestSupport.h"

#include <png.h>
#include <unistd.h>
#include <zlib.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

// jpeglib.h uses FILE and size_t without declaring them.
#include <jpeglib.h>

namespace skintest {

Bytes ToBytes(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes Magic() {
    return Bytes{'A', 'S', 'z', 'f'};
}

void AppendInt32(Bytes& out, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void AppendEntry(Bytes& out, const RawEntry& entry) {
    AppendInt32(out, static_cast<std::int32_t>(entry.Name.size()));
    out.insert(out.end(), entry.Name.begin(), entry.Name.end());
    AppendInt32(out, entry.DeclaredSize);
    uLongf size = compressBound(static_cast<uLong>(entry.Content.size()));
    Bytes packed(size);
    // The fastest level: the tests compress hundreds of megabytes of zeros.
    compress2(packed.data(), &size, entry.Content.data(), static_cast<uLong>(entry.Content.size()),
              1);
    out.insert(out.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(size));
}

Bytes Package(const std::vector<RawEntry>& entries) {
    Bytes out = Magic();
    AppendInt32(out, static_cast<std::int32_t>(entries.size()));
    for (const RawEntry& entry : entries) AppendEntry(out, entry);
    return out;
}

Bytes DeflateZeros(std::size_t count) {
    z_stream z{};
    deflateInit(&z, 1);
    const Bytes zeros(1 << 20, 0);
    Bytes out;
    std::uint8_t buffer[1 << 16];
    while (true) {
        const std::size_t step = std::min(count, zeros.size());
        count -= step;
        z.next_in = const_cast<Bytef*>(zeros.data());
        z.avail_in = static_cast<uInt>(step);
        const int flush = count == 0 ? Z_FINISH : Z_NO_FLUSH;
        int status = Z_OK;
        do {
            z.next_out = buffer;
            z.avail_out = sizeof buffer;
            status = deflate(&z, flush);
            out.insert(out.end(), buffer, buffer + (sizeof buffer - z.avail_out));
        } while (z.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
        if (flush == Z_FINISH) break;
    }
    deflateEnd(&z);
    return out;
}

std::string TempFolder(const std::string& name) {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("vexmora-skin-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

std::string WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return path;
}

Bytes MakePng(std::uint32_t width, std::uint32_t height, const Bytes& rgba, std::uint32_t gamma) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    Bytes out;
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t size) {
            auto* target = static_cast<Bytes*>(png_get_io_ptr(p));
            target->insert(target->end(), data, data + size);
        },
        nullptr);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (gamma != 0) png_set_gAMA_fixed(png, info, static_cast<png_fixed_point>(gamma));
    png_write_info(png, info);
    for (std::uint32_t y = 0; y < height; ++y)
        png_write_row(png, const_cast<png_bytep>(rgba.data() + std::size_t{y} * width * 4));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

Bytes MakeBmp(std::uint32_t width, std::uint32_t height, const std::vector<std::uint32_t>& words) {
    const std::uint32_t stride = (width * 3 + 3) & ~3u;
    Bytes out{'B', 'M'};
    const auto put = [&out](std::uint32_t v, int size) {
        for (int i = 0; i < size; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    put(54 + stride * height, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(width, 4);
    put(height, 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(stride * height, 4);
    put(0, 4);
    put(0, 4);
    put(0, 4);
    put(0, 4);
    for (std::uint32_t row = height; row-- > 0;) {
        for (std::uint32_t x = 0; x < width; ++x) put(words[std::size_t{row} * width + x], 3);
        for (std::uint32_t pad = width * 3; pad < stride; ++pad) out.push_back(0);
    }
    return out;
}

Bytes MakeJpeg(std::uint32_t width, std::uint32_t height, bool progressive) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t{width} * 3);
    for (std::uint32_t x = 0; x < width; ++x) {
        row[3 * x] = 200;
        row[3 * x + 1] = 100;
        row[3 * x + 2] = 50;
    }
    JSAMPROW rows[1] = {row.data()};
    while (info.next_scanline < height) jpeg_write_scanlines(&info, rows, 1);
    jpeg_finish_compress(&info);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

Bytes MakeManyScanJpeg(int scans) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = 16;
    info.image_height = 16;
    info.input_components = 1;
    info.in_color_space = JCS_GRAYSCALE;
    jpeg_set_defaults(&info);
    const int refinements = scans - 64;
    std::vector<jpeg_scan_info> script;
    script.push_back(jpeg_scan_info{1, {0, 0, 0, 0}, 0, 0, 0, refinements});
    for (int k = 1; k < 64; ++k) script.push_back(jpeg_scan_info{1, {0, 0, 0, 0}, k, k, 0, 0});
    for (int r = refinements; r > 0; --r)
        script.push_back(jpeg_scan_info{1, {0, 0, 0, 0}, 0, 0, r, r - 1});
    info.scan_info = script.data();
    info.num_scans = static_cast<int>(script.size());
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(16, 128);
    JSAMPROW rows[1] = {row.data()};
    while (info.next_scanline < 16) jpeg_write_scanlines(&info, rows, 1);
    jpeg_finish_compress(&info);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

}  // namespace skintest
