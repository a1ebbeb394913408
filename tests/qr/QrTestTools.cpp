#include "QrTestTools.h"

#include <curl/curl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <utility>

#include "LibpngReference.h"

namespace {

std::size_t Collect(char* data, std::size_t size, std::size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

std::uint32_t BigEndian32(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
    return value;
}

}  // namespace

HttpReply HttpGet(const std::string& url) {
    HttpReply reply;
    CURL* handle = curl_easy_init();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_PROXY, "");
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &Collect);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &reply.body);
    curl_easy_setopt(handle, CURLOPT_TIMEOUT, 30L);
    if (curl_easy_perform(handle) == CURLE_OK) {
        curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &reply.status);
        const char* type = nullptr;
        curl_easy_getinfo(handle, CURLINFO_CONTENT_TYPE, &type);
        reply.contentType = type != nullptr ? type : "";
    }
    curl_easy_cleanup(handle);
    return reply;
}

bool IsPng(const std::string& bytes) {
    return bytes.rfind("\x89PNG\r\n\x1A\n", 0) == 0;
}

std::optional<PngSize> ReadPngHeader(const std::string& bytes) {
    if (!IsPng(bytes) || bytes.size() < 33 || bytes.compare(12, 4, "IHDR") != 0)
        return std::nullopt;
    PngSize size;
    size.width = BigEndian32(bytes, 16);
    size.height = BigEndian32(bytes, 20);
    size.bitDepth = static_cast<std::uint8_t>(bytes[24]);
    size.colourType = static_cast<std::uint8_t>(bytes[25]);
    size.interlace = static_cast<std::uint8_t>(bytes[28]);
    return size;
}

std::optional<GrayPicture> DecodeGray(const std::string& png) {
    std::optional<libpngref::GrayImage> gray = libpngref::DecodeGray(png.data(), png.size());
    if (!gray) return std::nullopt;
    GrayPicture picture;
    picture.width = static_cast<int>(gray->width);
    picture.height = static_cast<int>(gray->height);
    picture.pixels = std::move(gray->pixels);
    return picture;
}

namespace {

// Runs zbarimg with the options over the picture; its output, or nothing when it found none.
std::optional<std::string> RunZbarimg(const std::string& png, const std::string& options) {
    char path[] = "/tmp/vexmora-qr-XXXXXX";
    const int file = mkstemp(path);
    if (file < 0) return std::nullopt;
    close(file);
    std::ofstream(path, std::ios::binary)
        .write(png.data(), static_cast<std::streamsize>(png.size()));
    const std::string command =
        "zbarimg --raw -q --oneshot " + options + " " + path + " 2>/dev/null";
    FILE* output = popen(command.c_str(), "r");
    std::string text;
    char buffer[4096];
    std::size_t got = 0;
    while (output != nullptr && (got = std::fread(buffer, 1, sizeof buffer, output)) > 0)
        text.append(buffer, got);
    const int status = output != nullptr ? pclose(output) : -1;
    std::remove(path);
    if (status != 0) return std::nullopt;
    return text;
}

}  // namespace

std::optional<std::string> ScanQr(const std::string& png) {
    // -Sbinary hands over the symbol's bytes as they are, without guessing a character set.
    return RunZbarimg(png, "-Sbinary");
}

std::optional<std::string> ScanQrAsText(const std::string& png) {
    return RunZbarimg(png, "");
}
