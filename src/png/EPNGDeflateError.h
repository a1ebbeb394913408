#pragma once

#include "png/PngErrors.h"

// zlib refused to compress while a picture was being written (an unusable DeflateLevel, or
// zlib running out of memory). Raised instead of writing a stream that no reader could
// decompress.
class EPNGDeflateError : public EPngError {
public:
    explicit EPNGDeflateError(int zlibResult);
};
