#pragma once

#include <qrencode.h>

#include <string>
#include <string_view>

// What one GET of /chart asks for, checked against the service's limits.
struct ChartQuery {
    int width = 0;
    int height = 0;
    QRecLevel level = QR_ECLEVEL_L;
    int margin = 0;
    std::string data;  // the decoded bytes of chl, encoded as they are

    // Reads the query part of a request target (everything after the first "?"). Parameters
    // may come in any order; unknown ones are ignored. Raises EChartError (400) for a
    // missing, repeated or malformed parameter, a chart type other than "qr", an output
    // format other than "png" or a size outside the limits.
    static ChartQuery Parse(std::string_view query);
};

// Decodes an application/x-www-form-urlencoded value: "+" is a blank, "%XX" the byte XX.
// Raises EChartError (400) for a "%" not followed by two hexadecimal digits.
std::string FormDecode(std::string_view text);
