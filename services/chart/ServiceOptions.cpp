#include "ServiceOptions.h"

#include <charconv>

#include "core/Exception.h"

namespace {

const std::string& ValueOf(const std::vector<std::string>& arguments, std::size_t& index) {
    if (index + 1 >= arguments.size()) {
        throw Exception("option " + arguments[index] + " needs a value");
    }
    return arguments[++index];
}

int ParsePort(const std::string& text) {
    int port = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || port < 0 ||
        port > 65535) {
        throw Exception("invalid port: " + text);
    }
    return port;
}

EciPolicy ParseEciPolicy(const std::string& text) {
    if (text == "auto") return EciPolicy::Auto;
    if (text == "never") return EciPolicy::Never;
    throw Exception("invalid --eci value: " + text + " (auto or never)");
}

}  // namespace

ServiceOptions ServiceOptions::Parse(const std::vector<std::string>& arguments) {
    ServiceOptions options;
    bool interlace = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--port") {
            options.port = ParsePort(ValueOf(arguments, i));
        } else if (argument == "--host") {
            options.host = ValueOf(arguments, i);
        } else if (argument == "--format") {
            const std::string& name = ValueOf(arguments, i);
            const auto form = PngForm::FromName(name);
            if (!form) {
                throw Exception("unknown PNG form: " + name);
            }
            options.form = *form;
        } else if (argument == "--eci") {
            options.eci = ParseEciPolicy(ValueOf(arguments, i));
        } else if (argument == "--interlace") {
            interlace = true;
        } else if (argument == "--verbose") {
            options.verbose = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else {
            throw Exception("unknown option: " + argument);
        }
    }
    options.form.interlaced = options.form.interlaced || interlace;
    return options;
}

const char* ServiceOptions::Usage() {
    return "usage: chart-service [--host ADDRESS] [--port PORT] [--format FORM] [--interlace] "
           "[--eci auto|never] [--verbose]\n"
           "Answers GET /chart?chs=WxH&cht=qr&chld=L|M|Q|H[|margin]&chl=TEXT&chof=png with a PNG "
           "picture.\n"
           "  --host ADDRESS  address to listen on (default 127.0.0.1)\n"
           "  --port PORT     port to listen on (default 8420; 0 picks a free one)\n"
           "  --format FORM   PNG form of the pictures:\n"
           "                  gray1 (default), gray2, gray4, gray8, gray16, graya8, graya16,\n"
           "                  palette1, palette2, palette4, palette8 (palette), rgb8 (rgb), "
           "rgb16,\n"
           "                  rgba8 (rgba), rgba16; add -interlaced for Adam7 interlacing\n"
           "  --interlace     write Adam7-interlaced pictures\n"
           "  --eci WHEN      auto (default): symbols of non-ASCII UTF-8 text say so with\n"
           "                  ECI 26, so readers decode it without guessing; never: plain\n"
           "                  byte-mode symbols, as the service wrote before\n"
           "  --verbose       log one line per request on standard error\n";
}
