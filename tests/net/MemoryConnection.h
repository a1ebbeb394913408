#pragma once

#include <memory>
#include <stdexcept>
#include <vector>

#include "net/TIdTCPClient.h"
#include "platform/socket/MemorySocketStack.h"
#include "platform/socket/StackLock.h"

// A client connected to a scripted in-memory peer. The stack is installed for the life of
// the fixture and the platform's comes back after.
class MemoryConnection {
public:
    using Step = MemorySocketStack::Step;

    MemoryConnection() : stack(std::make_shared<MemorySocketStack>()) {
        // With another holder alive its stack would stay in use and this one would be idle.
        if (StackLock::HolderCount() != 0) throw std::logic_error("a socket stack is in use");
        StackLock::Install(stack);
        client = std::make_unique<TIdTCPClient>();
        client->SetHost("127.0.0.1");
        client->SetPort(80);
    }
    ~MemoryConnection() {
        client.reset();
        StackLock::Install(nullptr);
    }

    // Opens the client to a peer that does what steps say.
    TIdTCPClient& Open(std::vector<Step> steps) {
        stack->AddPeer(std::move(steps));
        client->OpenConnection();
        return *client;
    }

    std::shared_ptr<MemorySocketStack> stack;
    std::unique_ptr<TIdTCPClient> client;
};
