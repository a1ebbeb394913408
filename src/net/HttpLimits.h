#pragma once

#include <cstddef>
#include <cstdint>

// Bounds on what a peer's reply can make the HTTP client hold or do. The system's replies
// are a few bytes of text; each bound is far above that and far below harm.

// One reply head (status line and header lines together, line ends not counted): a head
// this large is no web server's answer, and every line of it stays in memory.
inline constexpr std::size_t kMaxReplyHeadBytes = 300 * 1024;
inline constexpr std::size_t kMaxReplyHeadLines = 1000;
// Interim "100 Continue" replies before the real one; a server sends at most one.
inline constexpr int kMaxInterimReplies = 10;
// A reply body, however it is framed: the body is held in memory whole.
inline constexpr std::int64_t kMaxReplyBody = 64 * 1024 * 1024;
// Hexadecimal digits of a chunk size: 16 fill 64 bits, more can only overflow.
inline constexpr std::size_t kMaxChunkSizeDigits = 16;
