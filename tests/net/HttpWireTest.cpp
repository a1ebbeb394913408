// The data-driven wire tests: each file of tests/net/wire pairs what a scripted loopback
// peer sends with the exact request bytes expected from the client and nettool's outcome.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <sstream>
#include <thread>

#include "DeadPort.h"
#include "NetTool.h"
#include "ScriptedServer.h"
#include "WireCase.h"

namespace {

const std::filesystem::path kWireFolder =
    std::filesystem::path(VEXMORA_SOURCE_DIR) / "tests/net/wire";

std::vector<std::string> WireFiles() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kWireFolder)) {
        if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The steps are read when the connection comes, after the case has its addresses.
ScriptedServer::Script PeerScript(const std::vector<WireCase::Step>& steps) {
    return [&steps](ScriptedServer& server, int socket, const std::string&) {
        for (const WireCase::Step& step : steps) {
            switch (step.kind) {
                case WireCase::Step::Kind::Send:
                    ScriptedServer::SendAll(socket, step.bytes);
                    break;
                case WireCase::Step::Kind::Pause:
                    std::this_thread::sleep_for(std::chrono::milliseconds(step.milliseconds));
                    break;
                case WireCase::Step::Kind::Hold:
                    server.HoldUntilClosed(socket);
                    return;
                case WireCase::Step::Kind::Close:
                    return;
            }
        }
    };
}

class WireTest : public ::testing::TestWithParam<std::string> {};

TEST_P(WireTest, RequestAndOutcomeAreExact) {
    WireCase wire = WireCase::Load((kWireFolder / (GetParam() + ".txt")).string());
    std::unique_ptr<ScriptedServer> server;
    if (!wire.peers.empty()) {
        std::vector<ScriptedServer::Script> scripts;
        for (const auto& steps : wire.peers) scripts.push_back(PeerScript(steps));
        server = std::make_unique<ScriptedServer>(std::move(scripts));
    }
    wire.Bind(server ? server->Port() : 0, DeadLoopbackPort());

    std::ostringstream out;
    std::ostringstream err;
    const int status = RunNetTool(wire.args, out, err);

    EXPECT_EQ(out.str(), wire.out);
    EXPECT_EQ(err.str(), wire.err);
    EXPECT_EQ(status, wire.exit);
    if (!server) {
        EXPECT_TRUE(wire.requests.empty());
        return;
    }
    ASSERT_EQ(server->ConnectionsServed(), wire.requests.size());
    for (std::size_t i = 0; i < wire.requests.size(); ++i) {
        EXPECT_EQ(server->Received(i), wire.requests[i]) << "connection " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, WireTest, ::testing::ValuesIn(WireFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](char c) {
                                     return !std::isalnum(static_cast<unsigned char>(c));
                                 },
                                 '_');
                             return name;
                         });

}  // namespace
