#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "net/IdHTTPTypes.h"
#include "net/InternetDate.h"
#include "net/TIdBasicAuthentication.h"
#include "net/TIdHeaderList.h"

class TStream;

// The request header record of a client. It lives as long as the client and is not reset
// between requests: a value one request set is still there for the next.
class TIdHTTPRequest {
public:
    // Header lines are folded only far beyond anything the client sends.
    static constexpr std::size_t kHeaderLinesFoldLength = 1024;

    TIdHTTPRequest() : HeaderLines(kHeaderLinesFoldLength) {}

    // Entity header fields.
    std::string Connection;
    std::string ContentVersion;
    std::string ContentEncoding;
    std::string ContentLanguage;
    std::string ContentType = "text/html";
    std::int64_t ContentLength = -1;
    std::string CacheControl;
    TDateTime Date = 0;
    TDateTime Expires = 0;
    std::string Pragma;
    TIdHeaderList CustomHeaders;
    // Request header fields.
    std::string ProxyConnection;
    std::string Host;
    std::string Accept = "text/html, */*";
    std::string AcceptCharSet;
    std::string AcceptEncoding;
    std::string AcceptLanguage;
    std::string From;
    std::string Referer;
    std::string UserAgent = "Mozilla/3.0 (compatible; Vexmora HTTP Client)";
    TDateTime LastModified = 0;
    std::int64_t ContentRangeStart = 0;
    std::int64_t ContentRangeEnd = 0;
    std::string Username;
    std::string Password;
    bool BasicAuthentication = false;
    // Held after a 401 reply offered "Basic"; it makes every later request carry an
    // Authorization line.
    std::unique_ptr<TIdBasicAuthentication> Authentication;

    TIdHTTPMethod RequestMethod = TIdHTTPMethod::hmGet;
    std::string RequestTarget;
    TStream* BodySource = nullptr;
    TIdHeaderList HeaderLines;

    // Empties HeaderLines and sets the line of every field that has a value, in the order
    // servers have always received them, the Authorization line last.
    void BuildHeaderLines();

private:
    void SetTimeHeader(const char* name, TDateTime time);
};

// The word of the request line for a method.
const char* MethodWord(TIdHTTPMethod method);
