#pragma once

#include <cstddef>
#include <cstdint>

// Every bound the skin loader puts on what a skin package or skin folder may make it do. Skins
// are downloaded and passed around, so each size that comes from a skin is treated as hostile.
namespace skin {

// A whole package file is read into memory: far above any real skin (ours is 60 KB), far
// below what would hurt the machine.
inline constexpr std::size_t kMaxPackageFileBytes = std::size_t{64} * 1024 * 1024;

// Entries of one package. A skin holds a skin file and a few dozen pictures; a count of zero
// or less would make the picture count negative.
inline constexpr std::int32_t kMaxPackageEntries = 1024;

// Length of an entry name: a file name, never a path.
inline constexpr std::int32_t kMaxEntryNameLength = 255;

// Inflated size of one entry. The largest real skin picture is a few MiB.
inline constexpr std::int32_t kMaxEntryBytes = 32 * 1024 * 1024;

// Inflated size of the skin file; ours is under 20 KB.
inline constexpr std::int32_t kMaxOptionsBytes = 1024 * 1024;

// Inflated bytes of all entries together, so that many large entries cannot add up.
inline constexpr std::size_t kMaxTotalInflatedBytes = std::size_t{128} * 1024 * 1024;

// Picture records of one skin: a skin has a few hundred keys at most.
inline constexpr std::size_t kMaxPictureRecords = 4096;

// Width and height of one skin picture; the widest real one is the window border strip.
inline constexpr std::uint32_t kMaxPictureSide = 4096;

// Pixel memory of all decoded pictures of a skin together.
inline constexpr std::size_t kMaxSkinPictureBytes = std::size_t{256} * 1024 * 1024;

// Pixels scanned for the corner shapes of all border masks of a skin: the corners of real skins
// are a few pixels wide, while hostile margins could make every record scan a whole picture.
inline constexpr std::uint64_t kMaxCornerScanPixels = std::uint64_t{16} * 1024 * 1024;

// Sections that get properties; real skins have about seventy.
inline constexpr std::size_t kMaxSkinSections = 4096;

// Sections followed through PARENTCLASS before a lookup gives up and takes the default, so
// that a loop through several sections ends.
inline constexpr int kMaxParentHops = 16;

// A progressive JPEG may carry any number of scans, each a full pass over the picture.
inline constexpr int kMaxJpegScans = 64;

// JPEGs of more pixels than this are kept as decoded and tiled from there instead of being
// converted to 32 bits, to save memory.
inline constexpr std::uint64_t kMaxConvertedJpegPixels = 899'999;

}  // namespace skin
