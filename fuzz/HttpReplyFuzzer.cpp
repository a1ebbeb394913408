// Feeds arbitrary reply bytes, received in pieces of any size, through the HTTP client's
// whole request cycle over the in-memory socket stack: two form posts of one client, as the
// update check makes them. Every outcome must be a body within the bounds or one of the
// client's own errors.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "net/HttpLimits.h"
#include "net/IdExceptions.h"
#include "net/TIdHTTP.h"
#include "platform/socket/MemorySocketStack.h"
#include "platform/socket/StackLock.h"

namespace {

using Step = MemorySocketStack::Step;

// The first byte picks the receive size; the rest is the reply.
std::vector<Step> Script(const std::uint8_t* data, std::size_t size) {
    std::vector<Step> steps;
    if (size == 0) return steps;
    const std::size_t piece = data[0] % 64 + 1;
    const std::string reply(reinterpret_cast<const char*>(data + 1), size - 1);
    for (std::size_t at = 0; at < reply.size(); at += piece) {
        steps.push_back(Step::Data(reply.substr(at, piece)));
    }
    steps.push_back(Step::Close());
    return steps;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto stack = std::make_shared<MemorySocketStack>();
    StackLock::Install(stack);
    {
        TIdHTTP http;
        for (const char* path : {"/requests/getytvideoid.php", "/requests/checkversionid.php"}) {
            stack->AddPeer(Script(data, size));
            std::vector<std::string> fields{"product_id=21"};
            try {
                const std::string body =
                    http.PostForm(std::string("http://127.0.0.1") + path, fields);
                if (static_cast<std::int64_t>(body.size()) > kMaxReplyBody) __builtin_trap();
            } catch (const EIdException&) {
            }
        }
    }
    StackLock::Install(nullptr);
    return 0;
}
