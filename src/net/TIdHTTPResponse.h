#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "net/IdHTTPTypes.h"
#include "net/InternetDate.h"
#include "net/TIdHeaderList.h"

class TStream;

// The reply record of a client, reused for every reply. Every field but the content range
// and ReplyVersion is overwritten from each reply's header lines.
class TIdHTTPResponse {
public:
    TIdHTTPResponse() : HeaderLines(1024) {}

    std::string StatusLine;
    TIdHTTPProtocolVersion ReplyVersion = TIdHTTPProtocolVersion::pv1_1;
    TIdHeaderList HeaderLines;
    std::string Location;
    std::string Server;
    std::string ProxyConnection;
    std::int64_t ContentRangeStart = 0;
    std::int64_t ContentRangeEnd = 0;
    std::vector<std::string> WWWAuthenticate;
    std::vector<std::string> ProxyAuthenticate;
    std::string Connection;
    std::string ContentVersion;
    std::string ContentEncoding;
    std::string ContentLanguage;
    std::string ContentType;
    std::int64_t ContentLength = -1;
    bool LengthGiven = false;
    TDateTime Date = 0;
    TDateTime LastModified = 0;
    TDateTime Expires = 0;
    std::string Pragma;
    TStream* BodySink = nullptr;

    // The number after the first space of StatusLine; -1 when that is not a number that
    // fits.
    int StatusCode() const;
    // Records ReplyVersion when characters 6 to 8 of StatusLine name a version we know.
    void NoteReplyVersion();
    // Fills the fields from HeaderLines.
    void ReadFields();

private:
    void ReadContentRange();
    void ReadExpires();
};
