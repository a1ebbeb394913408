#pragma once

#include <string>
#include <string_view>

#include "core/Exception.h"

// Raised when a text is not a version number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Reads a version number, the installed one or the one the maker's web host publishes. The
// whole text must be: optional spaces, an optional sign, digits with an optional "." and
// fraction digits (at least one digit in all), an optional exponent ("E" or "e", an optional
// sign, digits), optional spaces. The point is "." whatever the user's locale; grouping,
// line breaks, "inf", "nan" and hexadecimal numbers are refused. The value is rounded to
// single precision, the precision versions are compared in; one beyond its range is refused
// rather than read as infinity, and one too small for it becomes zero.
// Raises EConvertError naming the text.
float ReadVersionNumber(std::string_view text);

// The version as the upgrade offer shows it: two decimals after ".", no digit before the
// point when the integer part is 0, no grouping (1.3 as "1.30", 0.9 as ".90"). The exact
// value of the single is rounded, ties away from zero (1.125 as "1.13"); a value that rounds
// to zero carries no sign.
std::string ShowVersionNumber(float version);
