#include "DecoderCorpus.h"

#include <png.h>

#include <cmath>
#include <stdexcept>

namespace bench {

namespace {

constexpr std::uint32_t kSize = 2048;

struct Spec {
    const char* name;
    int colorType;
    int bitDepth;
    int interlace;
};

// Smooth gradients with a little deterministic noise: compresses and filters like a photo.
std::uint8_t PhotoSample(std::uint32_t x, std::uint32_t y, int channel, std::uint32_t& noise) {
    noise = noise * 1664525u + 1013904223u;
    const double base = 127.5 + 60.0 * std::sin((x + 37.0 * channel) / 97.0) +
                        50.0 * std::cos((y - 23.0 * channel) / 131.0);
    const int value = static_cast<int>(base) + static_cast<int>((noise >> 28) & 7) - 3;
    return static_cast<std::uint8_t>(value < 0 ? 0 : (value > 255 ? 255 : value));
}

// Modules of 32 pixels, black or white from a hash of their position, with finder squares.
bool QrModule(std::uint32_t x, std::uint32_t y) {
    const std::uint32_t mx = x / 32;
    const std::uint32_t my = y / 32;
    if ((mx < 7 && my < 7) || (mx > 56 && my < 7) || (mx < 7 && my > 56)) {
        const std::uint32_t cx = mx > 56 ? mx - 57 : mx;
        const std::uint32_t cy = my > 56 ? my - 57 : my;
        return cx == 0 || cy == 0 || cx == 6 || cy == 6 ||
               (cx >= 2 && cx <= 4 && cy >= 2 && cy <= 4);
    }
    return ((mx * 2654435761u) ^ (my * 40503u)) % 7 < 3;
}

void AppendToVector(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

std::vector<std::uint8_t> Rows(const Spec& spec) {
    const int channels = spec.colorType == PNG_COLOR_TYPE_RGB    ? 3
                         : spec.colorType == PNG_COLOR_TYPE_RGBA ? 4
                                                                 : 1;
    const std::size_t rowBytes =
        spec.bitDepth == 1 ? kSize / 8 : kSize * channels * (spec.bitDepth / 8);
    std::vector<std::uint8_t> rows(rowBytes * kSize, 0);
    std::uint32_t noise = 12345;
    for (std::uint32_t y = 0; y < kSize; ++y) {
        std::uint8_t* row = rows.data() + rowBytes * y;
        for (std::uint32_t x = 0; x < kSize; ++x) {
            if (spec.bitDepth == 1) {
                if (!QrModule(x, y))
                    row[x / 8] = static_cast<std::uint8_t>(row[x / 8] | (0x80 >> (x % 8)));
            } else if (spec.colorType == PNG_COLOR_TYPE_PALETTE) {
                row[x] = static_cast<std::uint8_t>(PhotoSample(x, y, 0, noise) / 16 * 16 +
                                                   PhotoSample(x, y, 1, noise) / 16);
            } else {
                for (int c = 0; c < channels; ++c) {
                    const std::uint8_t sample = c == 3 ? static_cast<std::uint8_t>((x + y) / 16)
                                                       : PhotoSample(x, y, c, noise);
                    if (spec.bitDepth == 16) {
                        row[(x * channels + c) * 2] = sample;
                        row[(x * channels + c) * 2 + 1] = static_cast<std::uint8_t>(noise >> 24);
                    } else {
                        row[x * channels + c] = sample;
                    }
                }
            }
        }
    }
    return rows;
}

std::vector<std::uint8_t> Encode(const Spec& spec) {
    std::vector<std::uint8_t> rows = Rows(spec);
    const std::size_t rowBytes = rows.size() / kSize;
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng could not encode the corpus");
    }
    png_set_write_fn(png, &out, &AppendToVector, nullptr);
    png_set_IHDR(png, info, kSize, kSize, spec.bitDepth, spec.colorType, spec.interlace,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (spec.colorType == PNG_COLOR_TYPE_PALETTE) {
        png_color palette[256];
        for (int i = 0; i < 256; ++i) {
            palette[i] = {static_cast<png_byte>((i >> 4) * 17),
                          static_cast<png_byte>((i & 15) * 17), static_cast<png_byte>(255 - i)};
        }
        png_set_PLTE(png, info, palette, 256);
    }
    png_write_info(png, info);
    std::vector<png_bytep> pointers(kSize);
    for (std::uint32_t y = 0; y < kSize; ++y) pointers[y] = rows.data() + rowBytes * y;
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace

const std::vector<DecoderSample>& DecoderCorpus() {
    static const std::vector<DecoderSample> corpus = [] {
        const Spec specs[] = {
            {"photo_rgb8", PNG_COLOR_TYPE_RGB, 8, PNG_INTERLACE_NONE},
            {"photo_rgba8", PNG_COLOR_TYPE_RGBA, 8, PNG_INTERLACE_NONE},
            {"photo_rgb16", PNG_COLOR_TYPE_RGB, 16, PNG_INTERLACE_NONE},
            {"grey8", PNG_COLOR_TYPE_GRAY, 8, PNG_INTERLACE_NONE},
            {"palette8", PNG_COLOR_TYPE_PALETTE, 8, PNG_INTERLACE_NONE},
            {"adam7_rgb8", PNG_COLOR_TYPE_RGB, 8, PNG_INTERLACE_ADAM7},
            {"qr_1bit", PNG_COLOR_TYPE_GRAY, 1, PNG_INTERLACE_NONE},
        };
        std::vector<DecoderSample> samples;
        for (const Spec& spec : specs) samples.push_back({spec.name, Encode(spec)});
        return samples;
    }();
    return corpus;
}

}  // namespace bench
