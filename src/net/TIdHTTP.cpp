// The request half of the HTTP client: settings, form posts, the target and the request head.
#include "net/TIdHTTP.h"

#include <algorithm>

#include "core/Stream.h"
#include "core/TMemoryStream.h"
#include "core/Text.h"
#include "net/DecimalNumber.h"
#include "net/FormEncoding.h"
#include "net/IdHTTPExceptions.h"
#include "net/TIdCookieManager.h"

namespace {

constexpr const char* kFormContentType = "application/x-www-form-urlencoded";

// A port text as a port number, or the run-time library's conversion error.
std::uint16_t PortNumber(const std::string& text) {
    const auto number = ParseDecimal(text);
    if (!number || *number < 0 || *number > 65535) throw EIdIntegerConvertError(text);
    return static_cast<std::uint16_t>(*number);
}

// A CR or LF would end the line early and let the rest pass as a header line or a request
// of its own; a NUL ends it for many servers. The web host comes from the environment.
void RejectLineBreaks(const std::string& text) {
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) {
        throw EIdException("A request line or header line holds a line break or a NUL byte");
    }
}

}  // namespace

TIdHTTP::TIdHTTP() {
    SetPort(80);
}

TIdHTTP::~TIdHTTP() = default;

void TIdHTTP::SetPort(std::uint16_t port) {
    TIdTCPClient::SetPort(port);
    currentTarget_.PortText = std::to_string(port);
}

void TIdHTTP::SetCookieManager(TIdCookieManager* manager) {
    if (manager == cookieManager_) return;
    ownedCookieManager_.reset();
    cookieManager_ = manager;
}

std::string TIdHTTP::PostForm(const std::string& url, std::vector<std::string>& fields) {
    TMemoryStream sink;
    if (request_.ContentType.empty() || SameText(request_.ContentType, "text/html")) {
        request_.ContentType = kFormContentType;
    }
    const std::string text =
        BuildFormBody(fields, HTTPOptions.Contains(TIdHTTPOption::hoForceEncodeParams));
    TMemoryStream body;
    body.WriteBuffer(text.data(), text.size());
    PostStream(url, body, sink);
    return sink.ToString();
}

void TIdHTTP::PostStream(const std::string& url, TStream& body, TStream& sink) {
    if (IsOpen()) CloseConnection();
    const TIdHTTPProtocolVersion remembered = ProtocolVersion;
    if (!HTTPOptions.Contains(TIdHTTPOption::hoKeepOrigProtocol)) {
        ProtocolVersion = TIdHTTPProtocolVersion::pv1_0;
    }
    struct Restore {
        TIdHTTPProtocolVersion& version;
        TIdHTTPProtocolVersion value;
        ~Restore() { version = value; }
    } restore{ProtocolVersion, remembered};
    RunRequest(TIdHTTPMethod::hmPost, url, &body, &sink);
}

void TIdHTTP::PrepareTarget() {
    const TIdURI url(request_.RequestTarget);
    if (!url.Path.empty() && url.Path.front() == '/') {
        currentTarget_.Path = url.Path;
    } else {
        currentTarget_.Path += url.Path;
    }
    currentTarget_.Document = url.Document;
    currentTarget_.Query = url.Query;
    if (!url.HostName.empty()) currentTarget_.HostName = url.HostName;
    currentTarget_.Scheme = url.Scheme.empty() ? "http" : url.Scheme;
    if (!url.PortText.empty()) {
        currentTarget_.PortText = url.PortText;
    } else {
        ApplyPort();
    }
    const TIdHTTPMethod method = request_.RequestMethod;
    if (method == TIdHTTPMethod::hmOptions && currentTarget_.Document == "*") {
        request_.RequestTarget = "*";
    } else {
        request_.RequestTarget =
            currentTarget_.Path + currentTarget_.Document + currentTarget_.Query;
    }
    const bool needsVersion11 = method == TIdHTTPMethod::hmOptions ||
                                method == TIdHTTPMethod::hmTrace ||
                                method == TIdHTTPMethod::hmPut || method == TIdHTTPMethod::hmDelete;
    if (needsVersion11 && ProtocolVersion != TIdHTTPProtocolVersion::pv1_1) {
        throw EIdException("This request method is supported in HTTP 1.1");
    }
    const bool carriesBody = method == TIdHTTPMethod::hmPost || method == TIdHTTPMethod::hmPut;
    request_.ContentLength =
        carriesBody ? (request_.BodySource ? request_.BodySource->Size() : 0) : -1;
    request_.Host = currentTarget_.PortText == "80"
                        ? currentTarget_.HostName
                        : currentTarget_.HostName + ":" + currentTarget_.PortText;
}

// A URL without a port: the scheme's port replaces the well-known ones, any other port the
// client already had stays.
void TIdHTTP::ApplyPort() {
    const auto old = ParseDecimal(currentTarget_.PortText);
    if (old && *old != 0 && *old != 80 && *old != 443) return;
    if (SameText(currentTarget_.Scheme, "http")) {
        currentTarget_.PortText = "80";
    } else if (SameText(currentTarget_.Scheme, "https")) {
        currentTarget_.PortText = "443";
    } else {
        throw EIdUnknownProtocol();
    }
}

void TIdHTTP::TakeOverEndpoint() {
    const std::uint16_t port = PortNumber(currentTarget_.PortText);
    if (!SameText(Host(), currentTarget_.HostName) || Port() != port) {
        if (IsOpen()) CloseConnection();
        SetHost(currentTarget_.HostName);
        TIdTCPClient::SetPort(port);
    }
    if (SameText(currentTarget_.Scheme, "https")) throw EIdIOHandlerPropInvalid();
    if (ProtocolVersion == TIdHTTPProtocolVersion::pv1_0 && request_.Connection.empty()) {
        request_.Connection = "keep-alive";
    }
}

// The request line and the header lines with their line ends and the empty line. Built in
// full before anything is sent, so that a value that would break the head sends nothing.
std::string TIdHTTP::BuildRequestHead() {
    request_.BuildHeaderLines();
    TIdHeaderList& lines = request_.HeaderLines;
    if (ProxyParams.Authentication) {
        lines.SetHeader("Proxy-Authorization", ProxyParams.Authentication->Authentication());
    }
    if (cookieManager_) {
        lines.SetHeader("Cookie", cookieManager_->CookieHeaderFor(currentTarget_.HostName,
                                                                  currentTarget_.Path));
    }
    RejectLineBreaks(request_.RequestTarget);
    std::string head = MethodWord(request_.RequestMethod);
    head += ' ';
    head += request_.RequestTarget;
    head += ProtocolVersion == TIdHTTPProtocolVersion::pv1_0 ? " HTTP/1.0\r\n" : " HTTP/1.1\r\n";
    for (const std::string& line : lines.Lines()) {
        if (line.empty()) continue;
        RejectLineBreaks(line);
        head += line;
        head += "\r\n";
    }
    head += "\r\n";
    return head;
}

void TIdHTTP::SendRequestHead(const std::string& head) {
    OpenOutputBatch();
    try {
        SendBytes(head);
        CloseOutputBatch();
    } catch (...) {
        CancelOutputBatch();
        throw;
    }
}

void TIdHTTP::SendBody() {
    const TIdHTTPMethod method = request_.RequestMethod;
    if ((method == TIdHTTPMethod::hmPost || method == TIdHTTPMethod::hmPut) &&
        request_.BodySource) {
        SendStream(*request_.BodySource);
    }
}
