#include "NetTool.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <typeinfo>

#include "net/IdHTTPExceptions.h"
#include "net/TIdHTTP.h"

namespace {

constexpr const char* kUsage =
    "usage: nettool post [--user-agent TEXT] [--keep-orig-protocol] [--field NAME=VALUE]... "
    "URL...\n";

struct PostOptions {
    std::optional<std::string> userAgent;
    bool keepOrigProtocol = false;
    std::vector<std::string> fields;
    std::vector<std::string> urls;
};

std::string ClassName(const std::exception& error) {
    const char* mangled = typeid(error).name();
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
    return status == 0 && demangled ? demangled.get() : mangled;
}

// The value of an option written as "--name VALUE" or "--name=VALUE"; nothing when the
// argument at index is not that option. Moves index past what it took.
std::optional<std::string> OptionValue(const std::vector<std::string>& arguments,
                                       std::size_t& index, const std::string& name, bool& missing) {
    const std::string& argument = arguments[index];
    if (argument == name) {
        if (index + 1 >= arguments.size()) {
            missing = true;
            return std::nullopt;
        }
        index += 1;
        return arguments[index];
    }
    if (argument.rfind(name + "=", 0) == 0) return argument.substr(name.size() + 1);
    return std::nullopt;
}

std::optional<PostOptions> ParsePost(const std::vector<std::string>& arguments) {
    PostOptions options;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.empty() || argument[0] != '-') {
            options.urls.push_back(argument);
            continue;
        }
        bool missing = false;
        if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--keep-orig-protocol") {
            options.keepOrigProtocol = true;
        } else if (auto agent = OptionValue(arguments, i, "--user-agent", missing)) {
            options.userAgent = std::move(agent);
        } else if (auto field = OptionValue(arguments, i, "--field", missing)) {
            options.fields.push_back(std::move(*field));
        } else {
            return std::nullopt;
        }
        if (missing) return std::nullopt;
    }
    if (options.urls.empty()) return std::nullopt;
    return options;
}

int Post(const PostOptions& options, std::ostream& out, std::ostream& err) {
    TIdHTTP http;
    if (options.userAgent) http.Request().UserAgent = *options.userAgent;
    if (options.keepOrigProtocol) http.HTTPOptions.Include(TIdHTTPOption::hoKeepOrigProtocol);
    int status = 0;
    for (const std::string& url : options.urls) {
        // Built afresh for each URL, as the update check adds its line again.
        std::vector<std::string> fields = options.fields;
        try {
            const std::string body = http.PostForm(url, fields);
            out.write(body.data(), static_cast<std::streamsize>(body.size()));
            out.flush();
        } catch (const std::exception& error) {
            err << FailureLine(error) << '\n';
            err.flush();
            status = 1;
        }
    }
    return status;
}

}  // namespace

std::string FailureLine(const std::exception& error) {
    std::string line = ClassName(error) + ": ";
    for (const char* c = error.what(); *c != '\0'; ++c) {
        if (*c == '\r') {
            line += "\\r";
        } else if (*c == '\n') {
            line += "\\n";
        } else {
            line += *c;
        }
    }
    if (const auto* reply = dynamic_cast<const EIdProtocolReplyError*>(&error)) {
        line += " (ReplyCode " + std::to_string(reply->ReplyCode()) + ")";
    }
    return line;
}

int RunNetTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    if (arguments.empty() || arguments[0] != "post") {
        err << kUsage;
        return 2;
    }
    const auto options = ParsePost(arguments);
    if (!options) {
        err << kUsage;
        return 2;
    }
    return Post(*options, out, err);
}
