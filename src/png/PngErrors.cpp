#include "png/PngErrors.h"

#include "core/Text.h"
#include "png/PngLimits.h"

#define VEXMORA_PNG_ERROR_TEXT(Name, text) \
    Name::Name() : EPngError(text) {}

VEXMORA_PNG_ERROR_TEXT(
    EPNGInvalidFileHeader,
    "The file being readed is not a valid \"Portable Network Graphics\" image because it contains "
    "an invalid header. This file may be corruped, try obtaining it again.")
VEXMORA_PNG_ERROR_TEXT(
    EPngUnexpectedEnd,
    "This \"Portable Network Graphics\" image is invalid because the decoder found an unexpected "
    "end of the file.")
VEXMORA_PNG_ERROR_TEXT(
    EPNGIHDRNotFirst,
    "This \"Portable Network Graphics\" image is not supported or it might be invalid.\r\n"
    "(IHDR chunk is not the first)")
VEXMORA_PNG_ERROR_TEXT(
    EPNGUnknownCriticalChunk,
    "This \"Portable Network Graphics\" image contains an unknown critical part which could not "
    "be decoded.")
VEXMORA_PNG_ERROR_TEXT(EPNGNoImageData,
                       "This \"Portable Network Graphics\" image contains no data.")
VEXMORA_PNG_ERROR_TEXT(
    EPngInvalidCRC,
    "This \"Portable Network Graphics\" image is not valid because it contains invalid pieces of "
    "data (crc error)")
VEXMORA_PNG_ERROR_TEXT(
    EPngInvalidIHDR,
    "The \"Portable Network Graphics\" image could not be loaded because one of its main piece of "
    "data (ihdr) might be corrupted")
VEXMORA_PNG_ERROR_TEXT(
    EPNGSizeExceeds,
    "This \"Portable Network Graphics\" image is not supported because either it's width or height "
    "exceeds the maximum size, which is 65535 pixels length.")
VEXMORA_PNG_ERROR_TEXT(
    EPNGUnknownCompression,
    "This \"Portable Network Graphics\" image is encoded with an unknown compression scheme which "
    "could not be decoded.")
VEXMORA_PNG_ERROR_TEXT(
    EPNGUnknownInterlace,
    "This \"Portable Network Graphics\" image uses an unknown interlace scheme which could not be "
    "decoded.")
VEXMORA_PNG_ERROR_TEXT(
    EPNGMissingMultipleIDAT,
    "This \"Portable Network Graphics\" image is invalid because it has missing image parts.")
VEXMORA_PNG_ERROR_TEXT(EPNGInvalidPalette,
                       "The \"Portable Network Graphics\" image contains an invalid palette.")
VEXMORA_PNG_ERROR_TEXT(
    EPNGHeaderNotPresent,
    "This operation is not valid because the current image contains no valid header.")
VEXMORA_PNG_ERROR_TEXT(
    EPNGOutMemory,
    "Some operation could not be performed because the system is out of resources. Close some "
    "windows and try again.")
VEXMORA_PNG_ERROR_TEXT(EPNGInvalidNewSize, "The new size provided for image resizing is invalid.")
VEXMORA_PNG_ERROR_TEXT(
    EPNGChunkTooLarge,
    "This \"Portable Network Graphics\" image is invalid because one of its parts is larger than "
    "the decoder accepts.")
VEXMORA_PNG_ERROR_TEXT(
    EPNGUnsupportedFormat,
    "This \"Portable Network Graphics\" image is not supported because its combination of color "
    "type and bit depth could not be decoded.")
VEXMORA_PNG_ERROR_TEXT(
    EPNGTooManyChunks,
    "This \"Portable Network Graphics\" image is invalid because it repeats its main pieces of "
    "data more often than the decoder accepts.")

#undef VEXMORA_PNG_ERROR_TEXT

EPNGImageTooLarge::EPNGImageTooLarge()
    : EPngError(Format("This \"Portable Network Graphics\" image is not supported because its "
                       "pixels would need more "
                       "memory than the decoder allows (%zu MB).",
                       png::kMaxImageBytes / (1024 * 1024))) {}

namespace png {

std::string ZlibResultText(int zlibResult) {
    switch (zlibResult) {
        case -6:
            return "incompatible version (-6)";
        case -5:
            return "buffer error (-5)";
        case -4:
            return "insufficient memory (-4)";
        case -3:
            return "data error (-3)";
        case -2:
            return "stream error (-2)";
        case -1:
            return "file error (-1)";
        case 0:
            return "(0)";
        case 1:
            return "stream end (1)";
        case 2:
            return "need dictionary (2)";
        default:
            return Format("(%d)", zlibResult);
    }
}

}  // namespace png

EPNGZLIBError::EPNGZLIBError(int zlibResult)
    : EPngError(
          "Could not decompress the image because it contains invalid compressed data.\r\n "
          "Description: " +
          png::ZlibResultText(zlibResult)) {}
