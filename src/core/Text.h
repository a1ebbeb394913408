#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

// Removes the characters with codes 0..32 (control characters and the blank) from both ends.
std::string Trim(std::string_view text);

// printf-style formatting into a std::string.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatV(const char* format, std::va_list args);

// The system's own text for an errno value, as its message boxes would show it.
std::string SystemErrorText(int errorNumber);

// ASCII-only case mapping: the protocols and formats we read compare names this way.
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);
bool SameText(std::string_view a, std::string_view b);
