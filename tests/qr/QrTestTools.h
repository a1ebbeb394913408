#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A reply as a plain HTTP client sees it; the fetcher under test hides the status.
struct HttpReply {
    long status = 0;
    std::string contentType;
    std::string body;
};

// Fetches url with libcurl directly, outside the code under test.
HttpReply HttpGet(const std::string& url);

bool IsPng(const std::string& bytes);

// Width and height from the IHDR chunk at the start of a PNG file.
struct PngSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int bitDepth = 0;
    int colourType = 0;
    int interlace = 0;
};
std::optional<PngSize> ReadPngHeader(const std::string& bytes);

// The picture decoded by libpng into 8-bit grey, row by row; nothing when libpng rejects it.
struct GrayPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    bool IsDark(int x, int y) const {
        return pixels[static_cast<std::size_t>(y * width + x)] < 128;
    }
};
std::optional<GrayPicture> DecodeGray(const std::string& png);

// The bytes of the one QR symbol zbarimg finds in the picture; nothing when it finds none.
std::optional<std::string> ScanQr(const std::string& png);

// The text a reader shows for the symbol: plain zbarimg, which follows an ECI designator
// and otherwise guesses the character set.
std::optional<std::string> ScanQrAsText(const std::string& png);
