#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "net/TIdHTTP.h"
#include "platform/socket/MemorySocketStack.h"
#include "platform/socket/StackLock.h"

// An HTTP client whose connections reach scripted in-memory peers. The stack is installed
// for the fixture's life and the platform's comes back after.
class HttpMemoryPeer {
public:
    using Step = MemorySocketStack::Step;

    HttpMemoryPeer() : stack(std::make_shared<MemorySocketStack>()) {
        if (StackLock::HolderCount() != 0) throw std::logic_error("a socket stack is in use");
        StackLock::Install(stack);
        http = std::make_unique<TIdHTTP>();
    }
    ~HttpMemoryPeer() {
        http.reset();
        StackLock::Install(nullptr);
    }
    HttpMemoryPeer(const HttpMemoryPeer&) = delete;
    HttpMemoryPeer& operator=(const HttpMemoryPeer&) = delete;

    // The reply in receives of at most 32 KiB, then the peer's close: the memory stack
    // copies a step's rest on every receive, so large replies come in many steps.
    void AddReply(const std::string& reply, bool close = true) {
        constexpr std::size_t kPiece = 32768;
        std::vector<Step> steps;
        for (std::size_t at = 0; at < reply.size(); at += kPiece) {
            steps.push_back(Step::Data(reply.substr(at, kPiece)));
        }
        if (close) steps.push_back(Step::Close());
        stack->AddPeer(std::move(steps));
    }

    // The update check's form post to the peer.
    std::string Post(const std::string& url = "http://127.0.0.1/requests/checkversionid.php") {
        std::vector<std::string> fields{"product_id=21"};
        return http->PostForm(url, fields);
    }

    std::shared_ptr<MemorySocketStack> stack;
    std::unique_ptr<TIdHTTP> http;
};
