#pragma once

// Maps the platform's errno values and getaddrinfo results onto the socket library numbers
// of SocketErrorNumbers.h, by meaning.
int SocketErrorFromErrno(int errorNumber);
// EAI_SYSTEM takes its number from errnoValue.
int SocketErrorFromAddrInfo(int addrInfoResult, int errnoValue);
