#include "PngWriter.h"

#include <png.h>

#include <csetjmp>
#include <vector>

#include "ChartError.h"
#include "ChartPicture.h"

namespace {

struct Sink {
    std::string bytes;
    bool failed = false;
};

// libpng reports errors by longjmp, which must not cross C++ frames with destructors: the
// callbacks only record what went wrong, and png_error is called outside any try block.
void WriteData(png_structp png, png_bytep data, png_size_t length) {
    auto* sink = static_cast<Sink*>(png_get_io_ptr(png));
    try {
        sink->bytes.append(reinterpret_cast<const char*>(data), length);
    } catch (...) {
        sink->failed = true;
    }
    if (sink->failed) {
        png_error(png, "out of memory");
    }
}

void FlushData(png_structp) {}

void ReportError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

int ColourType(PngForm::Colour colour) {
    switch (colour) {
        case PngForm::Colour::Gray:
            return PNG_COLOR_TYPE_GRAY;
        case PngForm::Colour::GrayAlpha:
            return PNG_COLOR_TYPE_GRAY_ALPHA;
        case PngForm::Colour::Palette:
            return PNG_COLOR_TYPE_PALETTE;
        case PngForm::Colour::Rgb:
            return PNG_COLOR_TYPE_RGB;
        case PngForm::Colour::Rgba:
            return PNG_COLOR_TYPE_RGB_ALPHA;
    }
    return PNG_COLOR_TYPE_GRAY;
}

int Channels(PngForm::Colour colour) {
    switch (colour) {
        case PngForm::Colour::Gray:
        case PngForm::Colour::Palette:
            return 1;
        case PngForm::Colour::GrayAlpha:
            return 2;
        case PngForm::Colour::Rgb:
            return 3;
        case PngForm::Colour::Rgba:
            return 4;
    }
    return 1;
}

// Sample values of one pixel, all channels; alpha is always opaque. In the palette the
// first entry is white and the second black.
unsigned Sample(const PngForm& form, bool dark, int channel) {
    const unsigned maximum = (1u << form.bitDepth) - 1;
    if (form.colour == PngForm::Colour::Palette) {
        return dark ? 1 : 0;
    }
    const bool alpha = (form.colour == PngForm::Colour::GrayAlpha && channel == 1) ||
                       (form.colour == PngForm::Colour::Rgba && channel == 3);
    return alpha || !dark ? maximum : 0;
}

// Packs one picture row: samples below 8 bits fill each byte from its high bits, 16-bit
// samples are big-endian (the PNG standard, section 7.2).
std::vector<png_byte> PackRow(const ChartPicture& picture, const PngForm& form, int y) {
    const int channels = Channels(form.colour);
    const std::size_t bitsPerRow = static_cast<std::size_t>(picture.Width()) *
                                   static_cast<std::size_t>(channels * form.bitDepth);
    std::vector<png_byte> row((bitsPerRow + 7) / 8, 0);
    std::size_t bit = 0;
    for (int x = 0; x < picture.Width(); ++x) {
        const bool dark = picture.IsDark(x, y);
        for (int channel = 0; channel < channels; ++channel) {
            const unsigned value = Sample(form, dark, channel);
            if (form.bitDepth == 16) {
                row[bit / 8] = static_cast<png_byte>(value >> 8);
                row[bit / 8 + 1] = static_cast<png_byte>(value & 0xFF);
            } else {
                const int shift = 8 - form.bitDepth - static_cast<int>(bit % 8);
                row[bit / 8] = static_cast<png_byte>(row[bit / 8] | (value << shift));
            }
            bit += static_cast<std::size_t>(form.bitDepth);
        }
    }
    return row;
}

// Only plain C objects live in this frame, so a longjmp back into it skips no destructor.
bool EncodeImage(png_structp png, png_infop info, const PngForm& form, int width, int height,
                 png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                 form.bitDepth, ColourType(form.colour),
                 form.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (form.colour == PngForm::Colour::Palette) {
        png_color palette[2] = {{255, 255, 255}, {0, 0, 0}};
        png_set_PLTE(png, info, palette, 2);
    }
    // Letting libpng choose among all five filters per row, whatever the bit depth, gives
    // a client's decoder every filter type to undo.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_ALL_FILTERS);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, info);
    return true;
}

}  // namespace

std::string PngWriter::Write(const ChartPicture& picture, const PngForm& form) {
    std::vector<std::vector<png_byte>> rows;
    rows.reserve(static_cast<std::size_t>(picture.Height()));
    std::vector<png_bytep> rowPointers;
    for (int y = 0; y < picture.Height(); ++y) {
        rows.push_back(PackRow(picture, form, y));
        rowPointers.push_back(rows.back().data());
    }
    Sink sink;
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, &ReportError, &IgnoreWarning);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    bool written = false;
    if (info != nullptr) {
        png_set_write_fn(png, &sink, &WriteData, &FlushData);
        written =
            EncodeImage(png, info, form, picture.Width(), picture.Height(), rowPointers.data());
    }
    png_destroy_write_struct(&png, &info);
    if (!written) {
        throw EChartError(500, "The picture could not be written.");
    }
    return std::move(sink.bytes);
}
