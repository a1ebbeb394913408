#pragma once

#include <string>
#include <string_view>
#include <vector>

// The body of an application/x-www-form-urlencoded post, as the client has always built it.

// Each byte of value: a space becomes "+", ASCII letters and digits stay, every other byte
// becomes "%" and two upper-case hexadecimal digits. No character-set conversion happens.
std::string EncodeFormValue(std::string_view value);

// The body text of the form lines "name=value". With encode, each line's value is first
// replaced by the encoded value of the first line of the same name, in place in lines. Two
// or more lines are joined with "&", a trailing "&" included; the result is trimmed.
std::string BuildFormBody(std::vector<std::string>& lines, bool encode);
