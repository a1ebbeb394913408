#pragma once

#include <string>

#include "core/Exception.h"

// The errors of the HTTP client and its transport. Each class carries its fixed message;
// callers that catch them tell them apart by class.

// Base of every error the client and its transport raise.
class EIdException : public Exception {
public:
    using Exception::Exception;
};

// The peer closed the connection and nothing it sent is left to read.
class EIdConnClosedGracefully : public EIdException {
public:
    EIdConnClosedGracefully() : EIdException("Connection Closed Gracefully.") {}
};

// A read or write on a connection that is not open.
class EIdNotConnected : public EIdException {
public:
    EIdNotConnected() : EIdException("Not Connected") {}
};

// A receive or send on a handle whose socket is closed.
class EIdClosedSocket : public EIdException {
public:
    EIdClosedSocket() : EIdException("Disconnected.") {}
};

class EIdReadTimeout : public EIdException {
public:
    EIdReadTimeout() : EIdException("Read Timeout") {}
};

class EIdReadLnMaxLineLengthExceeded : public EIdException {
public:
    EIdReadLnMaxLineLengthExceeded() : EIdException("Max line length exceeded.") {}
};

class EIdInvalidSocket : public EIdException {
public:
    EIdInvalidSocket() : EIdException("Cannot allocate socket.") {}
};

class EIdCouldNotBindSocket : public EIdException {
public:
    EIdCouldNotBindSocket()
        : EIdException("Could not bind socket. Address and port are already in use.") {}
};

class EIdAlreadyConnected : public EIdException {
public:
    EIdAlreadyConnected() : EIdException("Already connected.") {}
};

class EIdNoDataToRead : public EIdException {
public:
    EIdNoDataToRead() : EIdException("No data to read.") {}
};

// The optional connect limit ran out before the peer answered.
class EIdConnectTimeout : public EIdException {
public:
    EIdConnectTimeout() : EIdException("Connect timed out.") {}
};

// A platform socket call failed: "Socket Error # %d\r\n%s" with the number and its text.
class EIdSocketError : public EIdException {
public:
    explicit EIdSocketError(int errorNumber);

    int LastError() const { return lastError_; }

private:
    int lastError_;
};

// The socket library could not be loaded or called. Never raised on a platform whose
// sockets are part of the C library; kept so that the error family is complete.
class EIdWS2StubError : public EIdException {
public:
    using EIdException::EIdException;
};

class EIdStackInitializationFailed : public EIdException {
public:
    EIdStackInitializationFailed() : EIdException("Winsock Initialization Error.") {}
};

class EIdFailedToRetreiveTimeZoneInfo : public EIdException {
public:
    EIdFailedToRetreiveTimeZoneInfo()
        : EIdException("Failed attempting to retrieve time zone information.") {}
};

// A text that should be a decimal integer is not: "'%s' is not a valid integer value".
// The run-time library's conversion error, raised by a cookie's port list.
class EIdIntegerConvertError : public EIdException {
public:
    explicit EIdIntegerConvertError(const std::string& text);
};
