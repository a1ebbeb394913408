#include "SiteOptions.h"

#include <charconv>

#include "SiteLimits.h"
#include "core/Exception.h"

namespace {

// A tutorial exists unless told otherwise, so that `make run` shows the tutorial button.
constexpr const char* kDefaultTutorialId = "Vx7mQrTut01";

const std::string& ValueOf(const std::vector<std::string>& arguments, std::size_t& index) {
    if (index + 1 >= arguments.size()) {
        throw Exception("option " + arguments[index] + " needs a value");
    }
    return arguments[++index];
}

int ParseNumber(const std::string& option, const std::string& text, int lowest, int highest) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() ||
        number < lowest || number > highest) {
        throw Exception("invalid value for " + option + ": " + text + " (" +
                        std::to_string(lowest) + " to " + std::to_string(highest) + ")");
    }
    return number;
}

// A line break in a header value would start a header of its own.
std::string HeaderValue(const std::string& option, const std::string& text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            throw Exception("control character in the value of " + option);
        }
    }
    return text;
}

bool ParseScriptOption(const std::vector<std::string>& arguments, std::size_t& i,
                       SiteOptions& options) {
    const std::string& argument = arguments[i];
    using std::chrono::milliseconds;
    if (argument == "--tutorial") {
        options.tutorial.body = ValueOf(arguments, i);
    } else if (argument == "--version") {
        options.version.body = ValueOf(arguments, i);
    } else if (argument == "--tutorial-status") {
        options.tutorial.status = ParseNumber(argument, ValueOf(arguments, i), 200, 599);
    } else if (argument == "--version-status") {
        options.version.status = ParseNumber(argument, ValueOf(arguments, i), 200, 599);
    } else if (argument == "--tutorial-delay-ms") {
        options.tutorial.delay = milliseconds(
            ParseNumber(argument, ValueOf(arguments, i), 0, SiteLimits::kMaxDelayMilliseconds));
    } else if (argument == "--version-delay-ms") {
        options.version.delay = milliseconds(
            ParseNumber(argument, ValueOf(arguments, i), 0, SiteLimits::kMaxDelayMilliseconds));
    } else if (argument == "--set-cookie") {
        options.cookies.push_back(HeaderValue(argument, ValueOf(arguments, i)));
    } else {
        return false;
    }
    return true;
}

}  // namespace

SiteOptions::SiteOptions() {
    tutorial.body = kDefaultTutorialId;
    version.body = VEXMORA_PROJECT_VERSION;
}

SiteOptions SiteOptions::Parse(const std::vector<std::string>& arguments) {
    SiteOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (ParseScriptOption(arguments, i, options)) {
            continue;
        }
        if (argument == "--port") {
            options.port = ParseNumber(argument, ValueOf(arguments, i), 0, 65535);
        } else if (argument == "--host") {
            options.host = ValueOf(arguments, i);
        } else if (argument == "--verbose") {
            options.verbose = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else {
            throw Exception("unknown option: " + argument);
        }
    }
    return options;
}

const char* SiteOptions::Usage() {
    return "usage: maker-site [--host ADDRESS] [--port PORT] [--tutorial TEXT] [--version TEXT]\n"
           "                  [--tutorial-status CODE] [--version-status CODE]\n"
           "                  [--tutorial-delay-ms MS] [--version-delay-ms MS]\n"
           "                  [--set-cookie TEXT]... [--verbose]\n"
           "Stands in for the maker's web host: POST /requests/getytvideoid.php and\n"
           "/requests/checkversionid.php, and the pages /, /vexmora.html,\n"
           "/donate-free-software.html and /url-shortener.html.\n"
           "  --host ADDRESS          address to listen on (default 127.0.0.1)\n"
           "  --port PORT             port to listen on (default 8421; 0 picks a free one)\n"
           "  --tutorial TEXT         reply of the tutorial script (default a tutorial id;\n"
           "                          \"false\" means there is none)\n"
           "  --version TEXT          reply of the version script (default " VEXMORA_PROJECT_VERSION
           ";\n"
           "                          \"false\" means no information)\n"
           "  --tutorial-status CODE  HTTP status of the tutorial script (200 to 599; other\n"
           "  --version-status CODE   than 200 answers an HTML error page)\n"
           "  --tutorial-delay-ms MS  wait this long before the script answers\n"
           "  --version-delay-ms MS\n"
           "  --set-cookie TEXT       add a Set-Cookie header to the script replies; repeatable\n"
           "  --verbose               log one line per request on standard error\n";
}
