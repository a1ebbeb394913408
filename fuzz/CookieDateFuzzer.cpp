// Feeds cookie texts and Internet dates to the cookie store: every outcome must be a store
// within its bounds, a header of stored pairs, a date inside the calendar, or the port list's
// conversion error.
#include <cstddef>
#include <cstdint>
#include <string>

#include "net/IdExceptions.h"
#include "net/InternetDate.h"
#include "net/NetLimits.h"
#include "net/TIdCookieManager.h"

namespace {

const char* const kHosts[] = {"www.vexmora.example", "localhost", "10.0.0.1", "a.b"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string date = input;
    const TDateTime parsed = ParseInternetDate(date);
    if (parsed != 0 && (parsed < EncodeDateTime(1, 1, 1, 0, 0, 0) || parsed > LatestDateTime())) {
        __builtin_trap();
    }
    InternetDateToLocal(input);

    // Each line is one cookie; the first byte of a line picks the host and the header.
    TIdCookieManager manager;
    std::size_t start = 0;
    while (start < input.size()) {
        std::size_t end = input.find('\n', start);
        if (end == std::string::npos) end = input.size();
        const std::string line = input.substr(start, end - start);
        start = end + 1;
        if (line.empty()) continue;
        const auto choice = static_cast<unsigned char>(line[0]);
        try {
            manager.StoreCookie(
                line.substr(1), kHosts[choice % 4],
                choice & 4 ? TIdCookieHeader::SetCookie2 : TIdCookieHeader::SetCookie);
        } catch (const EIdIntegerConvertError&) {
        }
    }
    if (manager.Cookies().Count() > kMaxCookiesTotal) __builtin_trap();
    const std::string header = manager.CookieHeaderFor(kHosts[0], "/");
    for (const char c : header) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) __builtin_trap();
    }
    return 0;
}
