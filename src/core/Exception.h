#pragma once

#include <exception>
#include <string>

// Base of every error the program raises. An error is a message text; the classes derived
// from it say which subsystem detected the problem, the text says what it was.
class Exception : public std::exception {
public:
    explicit Exception(std::string message);

    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// Raised by the streams when fewer bytes than required could be read or written.
class EStreamError : public Exception {
public:
    using Exception::Exception;
};

class EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

class EWriteError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

// A file could not be created or opened; the text names the file and the system's reason.
class EFCreateError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

class EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
