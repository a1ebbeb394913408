#pragma once

#include <functional>
#include <string>

class TIdHTTP;

// The questions the program asks the maker's web host: whether a video tutorial exists and
// which version is the latest (the update check at start), and whether the host can be
// reached at all (the connection check). Each is a form post of the product's one line to a
// script of the host; the caller owns the client and runs the questions on a worker thread.
namespace MakerHost {

inline constexpr const char* kProductLine = "product_id=21";
inline constexpr const char* kTutorialScript = "/requests/getytvideoid.php";
inline constexpr const char* kVersionScript = "/requests/checkversionid.php";
// The host's scripts were written for the browsers of their day; the update check introduces
// itself as one of them. The connection check keeps the client's own user agent.
inline constexpr const char* kUpdateCheckUserAgent =
    "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.1)";

// The address of a script on the web host "name[:port]".
std::string ScriptAddress(const std::string& webHost, const char* script);

}  // namespace MakerHost

// How long one post of a check may take, in milliseconds. Without limits a host that accepts
// the connection and never answers would keep a check waiting for ever, its status text on
// screen and a thread more with every "Check connection".
struct TCheckTimeLimits {
    int connect = 30000;  // the connect alone
    int overall = 60000;  // the whole post, connect included
};

// Gives the client the limits for its every post.
void ApplyCheckTimeLimits(TIdHTTP& http, const TCheckTimeLimits& limits);

// What the host said to the version question.
struct TVersionAnswer {
    enum class Kind {
        NoInformation,  // the exact reply "false"
        NotNewer,       // the published version is not above the installed one
        Newer,          // an upgrade to offer
        Failed,         // no answer, an error status, or a number that is not one
    };
    Kind kind = Kind::Failed;
    std::string shownVersion;  // Newer: the published version as the offer shows it
    std::string error;         // Failed: the reason, for whoever wants to know
};

// The update check's two questions over one client and one form list, in order: the user agent
// is set once, the tutorial question asked, and the version question asked with the same list
// emptied and filled again, so that a cookie the first reply set goes with the second request.
// The tutorial question's failures are silent; a reply other than exactly "false" (an empty
// one too) calls showTutorial before the version question is asked. Errors showTutorial
// raises are not caught: a worker whose program is ending unwinds through here.
TVersionAnswer AskUpdateQuestions(TIdHTTP& http, const std::string& webHost,
                                  const std::string& installedVersion,
                                  const std::function<void()>& showTutorial);

// The connection check's one post. True when the host answered with a 2xx status, whatever the
// reply says; false on every failure.
bool PostConnectionCheck(TIdHTTP& http, const std::string& webHost);
