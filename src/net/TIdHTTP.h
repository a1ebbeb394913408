#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "net/IdHTTPTypes.h"
#include "net/TIdBasicAuthentication.h"
#include "net/TIdHTTPRequest.h"
#include "net/TIdHTTPResponse.h"
#include "net/TIdTCPClient.h"
#include "net/TIdURI.h"

class TIdCookieManager;
class TStream;

// Where the client would reach the web through a proxy; the program never sets one.
struct TIdProxyConnectionInfo {
    std::string ProxyServer;
    int ProxyPort = 0;
    std::string ProxyUsername;
    std::string ProxyPassword;
    // Held after a 407 reply offered "Basic"; later requests carry Proxy-Authorization.
    std::unique_ptr<TIdBasicAuthentication> Authentication;
};

// The HTTP client: form posts over a fresh connection each, replies judged by their status.
// One thread uses a client; the socket stack underneath is shared.
class TIdHTTP : public TIdTCPClient {
public:
    using TIdHTTPOnRedirectEvent = std::function<void(
        TIdHTTP& sender, std::string& dest, int numRedirect, bool& handled, TIdHTTPMethod& method)>;

    TIdHTTP();
    ~TIdHTTP() override;

    // Posts the form lines to url and returns the body of its 2xx reply; raises on every
    // other outcome. The lines are rewritten in place by the encoding.
    std::string PostForm(const std::string& url, std::vector<std::string>& fields);
    // Posts body to url; the reply body goes into sink at its position.
    void PostStream(const std::string& url, TStream& body, TStream& sink);
    // One request cycle; body and sink may be null.
    void RunRequest(TIdHTTPMethod method, const std::string& url, TStream* body, TStream* sink);

    // --- Settings ---
    void SetPort(std::uint16_t port);
    TIdHTTPProtocolVersion ProtocolVersion = TIdHTTPProtocolVersion::pv1_1;
    TIdHTTPOptions HTTPOptions{TIdHTTPOption::hoForceEncodeParams};
    bool HandleRedirects = false;
    int RedirectMaximum = 15;
    int AuthRetries = 3;
    bool AllowCookies = true;
    TIdProxyConnectionInfo ProxyParams;
    TIdHTTPOnRedirectEvent OnRedirect;
    // Milliseconds one call (PostForm, PostStream, RunRequest) may take in all, connect
    // included, however slowly the peer sends; 0 (the default) sets no limit. The connect
    // alone is bounded by ConnectTimeout.
    int RequestTimeout = 0;

    // The cookie store: the one given, or the one the client made on its first reply.
    TIdCookieManager* CookieManager() const { return cookieManager_; }
    void SetCookieManager(TIdCookieManager* manager);

    TIdHTTPRequest& Request() { return request_; }
    TIdHTTPResponse& Response() { return response_; }
    const TIdURI& CurrentTarget() const { return currentTarget_; }
    int HopCount() const { return hopCount_; }

    // Whether the connection stays open after the current reply.
    bool StaysOpen();

private:
    // Request side.
    void PrepareTarget();
    void ApplyPort();
    void TakeOverEndpoint();
    std::string BuildRequestHead();
    // The head in one send, then the body in pieces of SendBufferSize.
    void SendRequestHead(const std::string& head);
    void SendBody();
    // Request cycle.
    void RunPasses(const std::string& url, std::int64_t sinkStart);
    void EnsureConnected();
    void ReadReply();
    std::string ReadHeadLine(std::size_t& headBytes, std::size_t& headLines, bool first);
    void ReadHeaderBlock(std::size_t& headBytes, std::size_t& headLines);
    void TakeCookies();
    TReplyVerdict DecideNext();
    TReplyVerdict DecideRedirect();
    bool AskRedirect(std::string& location, TIdHTTPMethod& method);
    bool AuthorizeServer();
    bool AuthorizeProxy();
    // Reply bodies.
    void ReadBody(TStream* sink, bool successRoad);
    void ReadChunked(TStream& sink);
    void ReadUntilClosed(TStream& sink);
    [[noreturn]] void FailWithStatus();
    void DrainBody();

    TIdHTTPRequest request_;
    TIdHTTPResponse response_;
    TIdURI currentTarget_;
    TIdCookieManager* cookieManager_ = nullptr;
    std::unique_ptr<TIdCookieManager> ownedCookieManager_;
    int hopCount_ = 0;
    int authTries_ = 0;
    int proxyAuthTries_ = 0;
};
