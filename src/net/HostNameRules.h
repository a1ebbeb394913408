#pragma once

#include <string>

// The host name tests of the cookie store. They are deliberately looser than today's cookie
// rules; servers of the program's era rely on them as they are.

// Trimmed, four pieces up to the next "." (the last to the next "." or the end), each an
// integer 0..255. Anything after a fourth "." is not looked at.
bool LooksLikeIPv4(const std::string& text);

// False when text begins with "." and contains "." , or LooksLikeIPv4; true otherwise.
bool IsPlainHostName(const std::string& text);

// The host from its first "." to the end; the whole host when it has none.
std::string DomainTail(const std::string& host);
