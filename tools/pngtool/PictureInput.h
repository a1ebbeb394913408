#pragma once

#include <cstddef>
#include <string>

class TPNGObject;

namespace pngtool {

// The largest file read: the most the program downloads as a picture, so that pngtool meets a
// file exactly as the generate command would meet the same bytes.
inline constexpr std::size_t kMaxInputBytes = 64 * 1024 * 1024;

// Reads a PNG file into the picture from memory, as the generate command reads a download:
// the codec reads a chunk head at a time, which from a file would be millions of system calls
// for a stream of tiny chunks. Raises Exception for a file above kMaxInputBytes.
void ReadPictureFile(TPNGObject& picture, const std::string& fileName);

}  // namespace pngtool
