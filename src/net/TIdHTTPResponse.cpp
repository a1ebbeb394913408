#include "net/TIdHTTPResponse.h"

#include <limits>

#include "core/Text.h"
#include "net/DecimalNumber.h"

namespace {

constexpr std::int64_t kSecondsPerDay = 24 * 3600;

}  // namespace

int TIdHTTPResponse::StatusCode() const {
    const std::size_t space = StatusLine.find(' ');
    if (space == std::string::npos) return -1;
    const std::string rest = Trim(std::string_view(StatusLine).substr(space + 1));
    const auto number = ParseDecimal(std::string_view(rest).substr(0, rest.find(' ')));
    if (!number || *number < std::numeric_limits<int>::min() ||
        *number > std::numeric_limits<int>::max()) {
        return -1;
    }
    return static_cast<int>(*number);
}

void TIdHTTPResponse::NoteReplyVersion() {
    if (StatusLine.size() < 8) return;
    const std::string_view version = std::string_view(StatusLine).substr(5, 3);
    if (SameText(version, "1.0")) ReplyVersion = TIdHTTPProtocolVersion::pv1_0;
    if (SameText(version, "1.1")) ReplyVersion = TIdHTTPProtocolVersion::pv1_1;
}

void TIdHTTPResponse::ReadFields() {
    Location = HeaderLines.HeaderValue("Location");
    Server = HeaderLines.HeaderValue("Server");
    ProxyConnection = HeaderLines.HeaderValue("Proxy-Connection");
    ReadContentRange();
    WWWAuthenticate.clear();
    HeaderLines.CollectHeader("WWW-Authenticate", WWWAuthenticate);
    ProxyAuthenticate.clear();
    HeaderLines.CollectHeader("Proxy-Authenticate", ProxyAuthenticate);
    Connection = HeaderLines.HeaderValue("Connection");
    ContentVersion = HeaderLines.HeaderValue("Content-Version");
    ContentEncoding = HeaderLines.HeaderValue("Content-Encoding");
    ContentLanguage = HeaderLines.HeaderValue("Content-Language");
    ContentType = HeaderLines.HeaderValue("Content-Type");
    ContentLength = ParseDecimal(HeaderLines.HeaderValue("Content-Length")).value_or(-1);
    LengthGiven = ContentLength >= 0;
    Date = InternetDateToLocal(HeaderLines.HeaderValue("Date"));
    LastModified = InternetDateToLocal(HeaderLines.HeaderValue("Last-Modified"));
    ReadExpires();
    Pragma = HeaderLines.HeaderValue("Pragma");
}

// "bytes 0-499/1234". The program never reads the range, so a malformed one leaves the
// fields as they were instead of failing a good reply.
void TIdHTTPResponse::ReadContentRange() {
    const std::string range = HeaderLines.HeaderValue("Content-Range");
    if (range.empty()) return;
    const std::size_t space = range.find(' ');
    const std::size_t dash = range.find('-', space == std::string::npos ? 0 : space);
    if (space == std::string::npos || dash == std::string::npos) return;
    const std::size_t slash = range.find('/', dash);
    const auto start = ParseDecimal(range.substr(space + 1, dash - space - 1));
    const auto end = ParseDecimal(
        range.substr(dash + 1, slash == std::string::npos ? std::string::npos : slash - dash - 1));
    if (!start || !end) return;
    ContentRangeStart = *start;
    ContentRangeEnd = *end;
}

// A count of seconds from now, or an Internet date. A count of a day or more (or below 0)
// cannot be a time of day and reads as no date; the program never reads the value.
void TIdHTTPResponse::ReadExpires() {
    const std::string text = HeaderLines.HeaderValue("Expires");
    const auto seconds = ParseDecimal(text);
    if (seconds && *seconds != -1) {
        Expires = *seconds >= 0 && *seconds < kSecondsPerDay
                      ? NowLocal() + static_cast<double>(*seconds) / kSecondsPerDay
                      : 0;
        return;
    }
    Expires = InternetDateToLocal(text);
}
