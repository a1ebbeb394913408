#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Building packages, pictures and folders for the skin data tests.
namespace skintest {

using Bytes = std::vector<std::uint8_t>;

// An entry written field by field, so that the declared size may lie.
struct RawEntry {
    std::string Name;
    Bytes Content;
    std::int32_t DeclaredSize;
};

Bytes ToBytes(const std::string& text);
Bytes Magic();
void AppendInt32(Bytes& out, std::int32_t value);
void AppendEntry(Bytes& out, const RawEntry& entry);
Bytes Package(const std::vector<RawEntry>& entries);
// A zlib stream of count zero bytes, made in steps so that no large input buffer is needed.
Bytes DeflateZeros(std::size_t count);

std::string TempFolder(const std::string& name);
std::string WriteFile(const std::string& path, const Bytes& bytes);

// An 8-bit RGBA PNG made by libpng, with a gAMA chunk when gamma is not 0.
Bytes MakePng(std::uint32_t width, std::uint32_t height, const Bytes& rgba,
              std::uint32_t gamma = 0);
// A 24-bit BMP of 0x00RRGGBB words, rows from the top.
Bytes MakeBmp(std::uint32_t width, std::uint32_t height, const std::vector<std::uint32_t>& words);
// A JPEG of one flat colour made by libjpeg.
Bytes MakeJpeg(std::uint32_t width, std::uint32_t height, bool progressive = false);
// A grey progressive JPEG of the given number of scans (64 or more): the DC scan, one scan per
// AC coefficient, then DC refinement scans.
Bytes MakeManyScanJpeg(int scans);

}  // namespace skintest
