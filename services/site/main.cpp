// maker-site: a stand-in for the maker's web host, on loopback, for development and tests.

#include <cstdio>
#include <string>
#include <vector>

#include "ServeUntilStopped.h"
#include "SiteOptions.h"
#include "SiteServer.h"
#include "core/Exception.h"

int main(int argc, char* argv[]) {
    SiteOptions options;
    try {
        options = SiteOptions::Parse(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const Exception& error) {
        std::fprintf(stderr, "maker-site: %s\n%s", error.Message().c_str(), SiteOptions::Usage());
        return 2;
    }
    if (options.help) {
        std::fputs(SiteOptions::Usage(), stdout);
        return 0;
    }
    SiteServer server(options);
    return ServeUntilStopped("maker-site", server.Http(), options.host, options.port,
                             &server.Stop());
}
