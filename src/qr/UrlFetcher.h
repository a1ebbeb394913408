#pragma once

#include <chrono>
#include <cstddef>
#include <string>

#include "core/Exception.h"

class TStream;

// Bounds of one download. The defaults mirror the finite time limits of the desktop
// internet API this fetcher stands in for, so a silent server cannot block the window
// for ever; tests shorten them.
struct FetchLimits {
    // Time allowed for the TCP (and TLS) connection to be set up.
    std::chrono::seconds connectTimeout{60};
    // The transfer is given up when less than a byte per second has arrived over this
    // long (at least 1 s); libcurl averages the rate over the last few seconds.
    std::chrono::seconds stallTimeout{30};
    // A chart picture is a few kilobytes; anything far larger is not one, and letting a
    // broken or hostile server fill the memory would take the whole program down.
    std::size_t maxBodySize = 64u * 1024 * 1024;
    // Redirect hops followed before the reply is taken as it stands.
    long maxRedirects = 20;
};

// Raised when a reply is larger than FetchLimits::maxBodySize.
class EReplyTooLarge : public Exception {
public:
    using Exception::Exception;
};

// Downloads the body that url returns into stream: the stream's position is set to 0 and
// the body is written from there, whatever the HTTP status. Redirects are followed, the
// system's proxy settings apply and caches are bypassed. Network failures raise nothing:
// the stream then holds what arrived, possibly nothing. When the internet library cannot
// start, the stream is left untouched. Errors of the stream itself (memory exhausted)
// propagate, as does EReplyTooLarge.
void FetchUrlToStream(const std::string& url, TStream& stream);
void FetchUrlToStream(const std::string& url, TStream& stream, const FetchLimits& limits);
