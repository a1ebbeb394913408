// How maker-site takes its command line.
#include <gtest/gtest.h>

#include "ServiceProcess.h"

namespace {

int RunSite(const std::vector<std::string>& arguments, std::string& output) {
    return ServiceProcess::RunToEnd("maker-site", arguments, output);
}

TEST(MakerSiteCommandLine, HelpListsTheOptions) {
    std::string output;
    EXPECT_EQ(RunSite({"--help"}, output), 0);
    for (const char* option :
         {"--host", "--port", "--tutorial", "--version", "--tutorial-status", "--version-status",
          "--tutorial-delay-ms", "--version-delay-ms", "--set-cookie", "--verbose"}) {
        EXPECT_NE(output.find(option), std::string::npos) << option;
    }
}

// Values are checked just outside, at and inside their ranges.
TEST(MakerSiteCommandLine, MalformedOptionsAreRefusedWithTheUsage) {
    const std::vector<std::string> refused[] = {
        {"--bogus"},
        {"--port"},
        {"--port", "65536"},
        {"--port", "-1"},
        {"--port", "80x"},
        {"--version-status", "199"},
        {"--tutorial-status", "600"},
        {"--version-status", ""},
        {"--version-delay-ms", "-1"},
        {"--tutorial-delay-ms", "3600001"},
        {"--set-cookie", "a=1\r\nX-Injected: 1"},
        {"--set-cookie", "a=\x7f"},
        {"--tutorial"},
    };
    for (const auto& arguments : refused) {
        std::string output;
        EXPECT_EQ(RunSite(arguments, output), 2) << arguments[0];
        EXPECT_EQ(output.rfind("maker-site: ", 0), 0U) << output;
        EXPECT_NE(output.find("usage: maker-site"), std::string::npos) << output;
    }
}

TEST(MakerSiteCommandLine, RangesIncludeTheirEnds) {
    const std::vector<std::string> accepted[] = {
        {"--version-status", "200"},     {"--version-status", "599"},
        {"--tutorial-delay-ms", "0"},    {"--tutorial-delay-ms", "3600000"},
        {"--set-cookie", "a=1; path=/"},
    };
    for (auto arguments : accepted) {
        arguments.push_back("--help");
        std::string output;
        EXPECT_EQ(RunSite(arguments, output), 0) << arguments[0] << " " << arguments[1];
    }
}

TEST(MakerSiteCommandLine, TakenPortEndsWithStatusOne) {
    ServiceProcess first("maker-site");
    std::string output;
    EXPECT_EQ(RunSite({"--port", std::to_string(first.Port())}, output), 1);
    EXPECT_NE(output.find("maker-site: cannot listen on 127.0.0.1:" + std::to_string(first.Port())),
              std::string::npos)
        << output;
}

}  // namespace
