#pragma once

#include <string>

#include "net/IdExceptions.h"

// The errors of the HTTP layer above the transport.

// A reply that carries a status code the caller did not accept.
class EIdProtocolReplyError : public EIdException {
public:
    EIdProtocolReplyError(int replyCode, std::string message)
        : EIdException(std::move(message)), replyCode_(replyCode) {}

    int ReplyCode() const { return replyCode_; }

private:
    int replyCode_;
};

// A failing HTTP reply: the message is its status line, the body what could be read of it.
class EIdHTTPProtocolException : public EIdProtocolReplyError {
public:
    EIdHTTPProtocolException(int replyCode, std::string statusLine, std::string replyBody)
        : EIdProtocolReplyError(replyCode, std::move(statusLine)),
          replyBody_(std::move(replyBody)) {}

    const std::string& ReplyBody() const { return replyBody_; }

private:
    std::string replyBody_;
};

// A URL scheme other than http or https with no port to go by.
class EIdUnknownProtocol : public EIdException {
public:
    EIdUnknownProtocol() : EIdException("") {}
};

// The connection has no handler for what the URL asks, such as TLS for https.
class EIdIOHandlerPropInvalid : public EIdException {
public:
    EIdIOHandlerPropInvalid() : EIdException("IOHandler value is not valid") {}
};
