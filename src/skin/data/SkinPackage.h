#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/Stream.h"
#include "skin/data/TacSkinConvertor.h"

// The skin package format (".asz"): the magic "ASzf", a 32-bit little-endian entry count, then
// per entry the name length, the name, the inflated size and one complete zlib stream.
namespace skin {

inline constexpr char kPackageMagic[4] = {'A', 'S', 'z', 'f'};
inline constexpr const char* kBadMagicMessage = "Loaded data is not a packed Quillet file";
inline constexpr const char* kOptionsFileName = "Options.dat";

// One file to put into a package.
struct TPackageEntry {
    std::string Name;
    std::vector<std::uint8_t> Bytes;
};

// A package of the entries in the given order, compressed at zlib's best level, so that the
// same entries always give the same bytes.
std::vector<std::uint8_t> WritePackage(const std::vector<TPackageEntry>& entries);

}  // namespace skin

// Reads a package from the stream's start into the converter. Raises ESkinError with
// kBadMagicMessage for a bad magic, and ESkinError for every other damage (a size out of
// bounds, a zlib stream that is corrupt, short or longer than its size, no skin file). On
// failure the converter is left cleared; it is never freed, as it belongs to the caller.
void ReadPackage(TStream& stream, TacSkinConvertor& converter);

// Does nothing when the file does not exist. Otherwise clears the converter (creating one when
// none is given), reads the whole file into the converter's source, reads the package from it
// and frees the source when freeSource is set. Only regular files of up to
// skin::kMaxPackageFileBytes are read; a file that vanishes or changes meanwhile raises
// ESkinError like a damaged package.
void LoadPackageFile(const std::string& fileName, std::unique_ptr<TacSkinConvertor>& converter,
                     bool freeSource);

namespace skin {
// The whole content of a regular file of at most maxBytes, or ESkinError.
std::vector<std::uint8_t> ReadRegularFile(const std::string& fileName, std::size_t maxBytes);
}  // namespace skin
