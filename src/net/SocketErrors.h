#pragma once

#include <initializer_list>
#include <string>

class SocketStack;

// The socket library's text for an error number; empty for numbers it has no text for.
std::string SocketErrorText(int errorNumber);

// "Socket Error # %d\r\n%s" filled with the number and its text.
std::string SocketErrorMessage(int errorNumber);

// Passes any result other than -1 (returning 0). For -1 it reads the calling thread's last
// error from the stack: a tolerated number is returned to the caller, any other raises
// EIdSocketError with it.
int CheckSocketResult(SocketStack& stack, long result, std::initializer_list<int> tolerated = {});
