// The nettool program itself: its exit statuses, usage errors and byte-exact output.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ScriptedServer.h"

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

ToolRun NetTool(const std::string& arguments) {
    const std::string errFile =
        (std::filesystem::temp_directory_path() / ("nettool-err-" + std::to_string(getpid())))
            .string();
    const std::string command =
        std::string(VEXMORA_BINARY_DIR) + "/bin/nettool " + arguments + " 2>" + errFile;
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile, std::ios::binary);
    run.err.assign(std::istreambuf_iterator<char>(err), {});
    std::filesystem::remove(errFile);
    return run;
}

TEST(NetTool, UsageErrorsExitWithTwoAndTheUsageText) {
    for (const char* arguments : {"", "get http://x/", "post", "post --field", "post --user-agent",
                                  "post --bogus http://x/"}) {
        const ToolRun run = NetTool(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_TRUE(run.out.empty()) << arguments;
        EXPECT_EQ(run.err.rfind("usage: nettool post", 0), 0u) << arguments;
    }
}

TEST(NetTool, WritesBodiesExactlyAndOneLinePerFailure) {
    ScriptedServer server(std::vector<ScriptedServer::Script>{
        [](ScriptedServer&, int socket, const std::string&) {
            ScriptedServer::SendAll(
                socket, std::string("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\na\0b\r\n", 43));
        },
        [](ScriptedServer&, int socket, const std::string&) {
            ScriptedServer::SendAll(socket, "HTTP/1.1 503 Busy\r\nContent-Length: 0\r\n\r\n");
        },
        [](ScriptedServer&, int socket, const std::string&) {
            ScriptedServer::SendAll(socket, "HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok");
        }});
    const std::string url = server.Address("/x");
    const ToolRun run = NetTool("post --field product_id=21 " + url + " " + url + " " + url);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, std::string("a\0b\r\nok", 7));
    EXPECT_EQ(run.err, "EIdHTTPProtocolException: HTTP/1.1 503 Busy (ReplyCode 503)\n");

    const ToolRun good = NetTool("post " + url);
    EXPECT_EQ(good.status, 0);
    EXPECT_EQ(good.out, "ok");
    EXPECT_EQ(good.err, "");
}

}  // namespace
