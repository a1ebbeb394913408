#pragma once

#include <cstdint>
#include <vector>

// Values shared by the HTTP client's layers.

using TIdBytes = std::vector<std::uint8_t>;

// Time limits of the read operations, in milliseconds, or one of these two.
inline constexpr int TimeoutDefault = -1;   // use the connection's ReadTimeout (0: no limit)
inline constexpr int TimeoutInfinite = -2;  // wait without limit

// What ReadLine does with a line longer than its maximum.
enum class TIdMaxLineAction { maException, maSplit };

// The notices of a connection. Nothing in the program listens to them; they are there for
// the connection's users and its tests.
enum class TIdStatus { hsResolving, hsConnecting, hsConnected, hsDisconnecting, hsDisconnected };
