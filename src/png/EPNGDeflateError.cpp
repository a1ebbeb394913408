#include "png/EPNGDeflateError.h"

EPNGDeflateError::EPNGDeflateError(int zlibResult)
    : EPngError("Could not compress the image data.\r\n Description: " +
                png::ZlibResultText(zlibResult)) {}
