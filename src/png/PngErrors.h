#pragma once

#include <string>

#include "core/Exception.h"

// The codec's errors. EPngError is the base of every one of them (and is itself raised for
// palette lookups and incompatible chunk copies); each class has its fixed message text.
class EPngError : public Exception {
public:
    using Exception::Exception;
};

#define VEXMORA_PNG_ERROR(Name)     \
    class Name : public EPngError { \
    public:                         \
        Name();                     \
    };

VEXMORA_PNG_ERROR(EPNGInvalidFileHeader)
VEXMORA_PNG_ERROR(EPngUnexpectedEnd)
VEXMORA_PNG_ERROR(EPNGIHDRNotFirst)
VEXMORA_PNG_ERROR(EPNGUnknownCriticalChunk)
VEXMORA_PNG_ERROR(EPNGNoImageData)
VEXMORA_PNG_ERROR(EPngInvalidCRC)
VEXMORA_PNG_ERROR(EPngInvalidIHDR)
VEXMORA_PNG_ERROR(EPNGSizeExceeds)
VEXMORA_PNG_ERROR(EPNGUnknownCompression)
VEXMORA_PNG_ERROR(EPNGUnknownInterlace)
VEXMORA_PNG_ERROR(EPNGMissingMultipleIDAT)
VEXMORA_PNG_ERROR(EPNGInvalidPalette)
VEXMORA_PNG_ERROR(EPNGHeaderNotPresent)
VEXMORA_PNG_ERROR(EPNGOutMemory)
VEXMORA_PNG_ERROR(EPNGInvalidNewSize)
// Our additions for streams the classic classes have no answer for.
VEXMORA_PNG_ERROR(EPNGChunkTooLarge)
VEXMORA_PNG_ERROR(EPNGImageTooLarge)
VEXMORA_PNG_ERROR(EPNGUnsupportedFormat)
VEXMORA_PNG_ERROR(EPNGTooManyChunks)

#undef VEXMORA_PNG_ERROR

// Inflate failed while decoding rows; the text ends with zlib's result text.
class EPNGZLIBError : public EPngError {
public:
    explicit EPNGZLIBError(int zlibResult);
};

namespace png {

inline constexpr const char* kTextNoSuchPaletteEntry = "There is no such palette entry.";
inline constexpr const char* kTextChunksNotCompatible =
    "The chunks must be compatible to be assigned.";

// "data error (-3)" and the like, for a zlib result code.
std::string ZlibResultText(int zlibResult);

}  // namespace png
