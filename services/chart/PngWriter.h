#pragma once

#include <string>

#include "PngForm.h"

class ChartPicture;

// Writes a chart picture as a PNG file in memory, through libpng: the service is the
// reference the program's own decoder is checked against, so it must not share its code.
class PngWriter {
public:
    // Raises EChartError (500) when libpng fails.
    static std::string Write(const ChartPicture& picture, const PngForm& form);
};
