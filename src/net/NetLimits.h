#pragma once

#include <cstddef>

// Bounds on what a peer can make the client hold.

// ReadToStream grows its stream at most this far ahead of the bytes that arrived, whatever
// count a Content-Length announced.
inline constexpr std::size_t kReadAheadLimit = 64 * 1024;

// Longer cookie texts are dropped: browsers have long capped a cookie at 4096 bytes.
inline constexpr std::size_t kMaxCookieText = 4096;
// Cookies beyond these counts are dropped, the figures browsers have long kept to.
inline constexpr std::size_t kMaxCookiesPerDomain = 50;
inline constexpr std::size_t kMaxCookiesTotal = 300;
