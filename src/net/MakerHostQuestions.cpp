#include "net/MakerHostQuestions.h"

#include <exception>
#include <vector>

#include "net/TIdHTTP.h"
#include "net/VersionNumber.h"

namespace MakerHost {

std::string ScriptAddress(const std::string& webHost, const char* script) {
    return "http://" + webHost + script;
}

}  // namespace MakerHost

void ApplyCheckTimeLimits(TIdHTTP& http, const TCheckTimeLimits& limits) {
    http.SetConnectTimeout(limits.connect);
    http.RequestTimeout = limits.overall;
}

namespace {

// True when the host names a tutorial. Every failure means none.
bool AskTutorialQuestion(TIdHTTP& http, std::vector<std::string>& lines,
                         const std::string& webHost) {
    try {
        http.Request().UserAgent = MakerHost::kUpdateCheckUserAgent;
        lines.push_back(MakerHost::kProductLine);
        const std::string reply =
            http.PostForm(MakerHost::ScriptAddress(webHost, MakerHost::kTutorialScript), lines);
        return reply != "false";
    } catch (const std::exception&) {
        return false;
    }
}

TVersionAnswer AskVersionQuestion(TIdHTTP& http, std::vector<std::string>& lines,
                                  const std::string& webHost, const std::string& installedVersion) {
    using Kind = TVersionAnswer::Kind;
    try {
        lines.push_back(MakerHost::kProductLine);
        const std::string reply =
            http.PostForm(MakerHost::ScriptAddress(webHost, MakerHost::kVersionScript), lines);
        if (reply == "false") return {Kind::NoInformation, {}, {}};
        const float installed = ReadVersionNumber(installedVersion);
        const float published = ReadVersionNumber(reply);
        if (!(installed < published)) return {Kind::NotNewer, {}, {}};
        return {Kind::Newer, ShowVersionNumber(published), {}};
    } catch (const std::exception& error) {
        return {Kind::Failed, {}, error.what()};
    }
}

}  // namespace

// The dialogs the answers lead to are the caller's, shown after the questions rather than
// inside their error handling, so that nothing but the client's and the number reader's
// errors ever counts as a failed question.
TVersionAnswer AskUpdateQuestions(TIdHTTP& http, const std::string& webHost,
                                  const std::string& installedVersion,
                                  const std::function<void()>& showTutorial) {
    std::vector<std::string> lines;
    if (AskTutorialQuestion(http, lines, webHost) && showTutorial) showTutorial();
    // The encoding rewrote the line in place; the version question starts from an empty list.
    if (!lines.empty()) lines.erase(lines.begin());
    return AskVersionQuestion(http, lines, webHost, installedVersion);
}

bool PostConnectionCheck(TIdHTTP& http, const std::string& webHost) {
    std::vector<std::string> lines{MakerHost::kProductLine};
    try {
        http.PostForm(MakerHost::ScriptAddress(webHost, MakerHost::kVersionScript), lines);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
