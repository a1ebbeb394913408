#pragma once

#include <string>

class SocketStack;

// The address to connect to for a host name: "LOCALHOST" (any letter case) is 127.0.0.1, a
// dotted quad of four numbers 0..255 is used as it is, and anything else is resolved by the
// stack (its first IPv4 address). A failed look-up raises EIdSocketError (11001 for an
// unknown host).
std::string LookUpHost(SocketStack& stack, const std::string& name);

// Whether text is four decimal numbers 0..255 joined by dots, and nothing else.
bool IsDottedQuad(const std::string& text);
