#pragma once

#include <string_view>

// Whether a symbol names its character set. A QR symbol's byte-mode data carries no
// character set of its own: readers guess one (zbar guesses Shift-JIS), so UTF-8 text comes
// back garbled unless an ECI designator says it is UTF-8.
enum class EciPolicy {
    Auto,   // designate UTF-8 text that is not plain ASCII
    Never,  // never designate: the symbols of the service before designators existed
};

// True when bytes is well-formed UTF-8 as RFC 3629 defines it: no overlong forms, no
// surrogates, nothing above U+10FFFF, no stray or missing continuation bytes.
bool IsValidUtf8(std::string_view bytes);

// True when the symbol for data starts with ECI 26 (UTF-8): under Auto, when data holds a
// byte of 0x80 or above and is valid UTF-8. ASCII needs no designator, and bytes that are
// not UTF-8 must not be labelled as such.
bool DesignatesUtf8(std::string_view data, EciPolicy policy);
