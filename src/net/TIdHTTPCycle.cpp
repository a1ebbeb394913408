// The request cycle of the HTTP client: connect, send, read the reply head, decide.
#include <optional>

#include "core/Stream.h"
#include "core/Text.h"
#include "net/HttpLimits.h"
#include "net/IdHTTPExceptions.h"
#include "net/TIdCookieManager.h"
#include "net/TIdHTTP.h"

namespace {

// Clears the call's deadline however the call ends.
class CallDeadline {
public:
    CallDeadline(TIdTCPConnection& connection, int milliseconds) : connection_(connection) {
        if (milliseconds > 0) {
            connection_.SetDeadlineAfter(milliseconds);
            set_ = true;
        }
    }
    ~CallDeadline() {
        if (set_) connection_.ClearDeadline();
    }
    CallDeadline(const CallDeadline&) = delete;
    CallDeadline& operator=(const CallDeadline&) = delete;

private:
    TIdTCPConnection& connection_;
    bool set_ = false;
};

bool FirstWordIsBasic(const std::string& value) {
    return SameText(std::string_view(value).substr(0, value.find(' ')), "Basic");
}

}  // namespace

void TIdHTTP::RunRequest(TIdHTTPMethod method, const std::string& url, TStream* body,
                         TStream* sink) {
    const std::int64_t sinkStart = sink ? sink->Position() : 0;
    authTries_ = 0;
    proxyAuthTries_ = 0;
    request_.RequestTarget = url;
    request_.RequestMethod = method;
    request_.BodySource = body;
    response_.BodySink = sink;
    const CallDeadline deadline(*this, RequestTimeout);
    try {
        RunPasses(url, sinkStart);
    } catch (...) {
        if (!StaysOpen()) CloseConnection();
        throw;
    }
    if (!StaysOpen()) CloseConnection();
    hopCount_ = 0;
}

void TIdHTTP::RunPasses(const std::string& url, std::int64_t sinkStart) {
    for (;;) {
        ++hopCount_;
        PrepareTarget();
        TakeOverEndpoint();
        const std::string head = BuildRequestHead();
        EnsureConnected();
        SendRequestHead(head);
        SendBody();
        ReadReply();
        switch (DecideNext()) {
            case TReplyVerdict::rvFollow:
                if (TStream* sink = response_.BodySink) {
                    sink->SetPosition(sinkStart);
                    sink->SetSize(sinkStart);
                }
                authTries_ = 0;
                proxyAuthTries_ = 0;
                break;
            case TReplyVerdict::rvDone:
                return;
            case TReplyVerdict::rvUnknown:
                throw EIdException("Undefined situation");
            case TReplyVerdict::rvRetryAuth:
                --hopCount_;
                request_.RequestTarget = url;
                break;
        }
    }
}

void TIdHTTP::EnsureConnected() {
    if (!StaysOpen()) CloseConnection();
    PollForClose();
    if (!IsOpen()) OpenConnection(ReadTimeout());
}

bool TIdHTTP::StaysOpen() {
    response_.NoteReplyVersion();
    if (!IsOpen()) return false;
    const std::string connection = Trim(response_.Connection);
    const std::string proxyConnection = Trim(response_.ProxyConnection);
    // The version of the request decides, not the one the server answered with: a POST
    // keeps the connection only when the server promised to.
    if (ProtocolVersion == TIdHTTPProtocolVersion::pv1_0) {
        return SameText(connection, "KEEP-ALIVE") || SameText(proxyConnection, "KEEP-ALIVE");
    }
    return !SameText(connection, "CLOSE") && !SameText(proxyConnection, "CLOSE");
}

// The status line and header block of the reply, past any interim "100 Continue" replies.
void TIdHTTP::ReadReply() {
    for (int interim = 0;; ++interim) {
        if (interim > kMaxInterimReplies) {
            throw EIdException("The server sent more than 10 interim replies");
        }
        std::size_t headBytes = 0;
        std::size_t headLines = 0;
        response_.StatusLine = ReadHeadLine(headBytes, headLines, true);
        ReadHeaderBlock(headBytes, headLines);
        TakeCookies();
        if (response_.StatusCode() != 100) return;
    }
}

// One line of the reply head, counted against the head's bounds. A close by the peer
// passes on for the first line of a block; for a later one it closes this side too and
// reads as the empty line that ends the block.
std::string TIdHTTP::ReadHeadLine(std::size_t& headBytes, std::size_t& headLines, bool first) {
    std::string line;
    if (first) {
        line = ReadLine();
    } else {
        try {
            line = ReadLine();
        } catch (const EIdConnClosedGracefully&) {
            CloseConnection();
            return {};
        }
    }
    if (line.empty()) return line;
    headBytes += line.size();
    ++headLines;
    if (headBytes > kMaxReplyHeadBytes) {
        throw EIdException("The reply head is larger than 300 KiB");
    }
    if (headLines > kMaxReplyHeadLines) {
        throw EIdException("The reply head has more than 1000 lines");
    }
    return line;
}

void TIdHTTP::ReadHeaderBlock(std::size_t& headBytes, std::size_t& headLines) {
    TIdHeaderList& lines = response_.HeaderLines;
    lines.Clear();
    for (std::string line = ReadHeadLine(headBytes, headLines, true); !line.empty();
         line = ReadHeadLine(headBytes, headLines, false)) {
        lines.Add(std::move(line));
    }
    response_.ReadFields();
}

void TIdHTTP::TakeCookies() {
    if (!cookieManager_ && AllowCookies) {
        ownedCookieManager_ = std::make_unique<TIdCookieManager>();
        cookieManager_ = ownedCookieManager_.get();
    }
    if (!cookieManager_) return;
    const auto store = [this](const char* name, TIdCookieHeader kind) {
        std::vector<std::string> values;
        response_.HeaderLines.CollectHeader(name, values);
        for (const std::string& value : values) {
            // A cookie the program never reads must not fail a good reply: one whose port
            // list is not numeric is dropped alone.
            try {
                cookieManager_->StoreCookie(value, currentTarget_.HostName, kind);
            } catch (const EIdIntegerConvertError&) {
            }
        }
    };
    store("Set-cookie", TIdCookieHeader::SetCookie);
    store("Set-cookie2", TIdCookieHeader::SetCookie2);
}

TReplyVerdict TIdHTTP::DecideNext() {
    const int code = response_.StatusCode();
    if ((code / 100 == 3 && code != 304) || !response_.Location.empty()) {
        return DecideRedirect();
    }
    if (code / 100 != 2) {
        if (code == 401) {
            if (authTries_ >= AuthRetries || !AuthorizeServer()) {
                if (request_.Authentication) request_.Authentication->Reset();
                FailWithStatus();
            }
            return TReplyVerdict::rvRetryAuth;
        }
        if (code == 407) {
            if (proxyAuthTries_ >= AuthRetries || !AuthorizeProxy()) {
                if (ProxyParams.Authentication) ProxyParams.Authentication->Reset();
                FailWithStatus();
            }
            return TReplyVerdict::rvRetryAuth;
        }
        FailWithStatus();
    }
    if (!IsOpen()) return TReplyVerdict::rvUnknown;
    if (code != 204) ReadBody(response_.BodySink, true);
    return TReplyVerdict::rvDone;
}

TReplyVerdict TIdHTTP::DecideRedirect() {
    std::string location = response_.Location;
    TIdHTTPMethod method = request_.RequestMethod;
    TReplyVerdict verdict = TReplyVerdict::rvDone;
    if (HandleRedirects && hopCount_ < RedirectMaximum) {
        if (!AskRedirect(location, method)) FailWithStatus();
        verdict = TReplyVerdict::rvFollow;
        request_.RequestTarget = location;
        request_.RequestMethod = method;
    } else {
        if (!AskRedirect(location, method)) FailWithStatus();
        response_.Location = location;
    }
    if (IsOpen()) DrainBody();
    return verdict;
}

bool TIdHTTP::AskRedirect(std::string& location, TIdHTTPMethod& method) {
    bool handled = HandleRedirects;
    if (OnRedirect) OnRedirect(*this, location, hopCount_, handled, method);
    return handled;
}

// The client offers no way to supply credentials, so authorization always fails; what
// remains is the authenticator it attaches, which later requests carry.
bool TIdHTTP::AuthorizeServer() {
    ++authTries_;
    if (!request_.Authentication) {
        bool offered = false;
        for (const std::string& value : response_.WWWAuthenticate) {
            if (FirstWordIsBasic(value)) {
                offered = true;
                break;
            }
        }
        if (!offered) return false;
        request_.Authentication = std::make_unique<TIdBasicAuthentication>();
    }
    return false;
}

bool TIdHTTP::AuthorizeProxy() {
    ++proxyAuthTries_;
    if (ProxyParams.Authentication) {
        ProxyParams.ProxyPassword.clear();
        ProxyParams.Authentication->Reset();
        return false;
    }
    for (const std::string& value : response_.ProxyAuthenticate) {
        if (FirstWordIsBasic(value)) {
            ProxyParams.Authentication = std::make_unique<TIdBasicAuthentication>();
            break;
        }
    }
    return false;
}
