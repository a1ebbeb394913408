// Drives the connection's reads over a scripted in-memory peer whose receives, closes,
// errors and interruptions come from the input. Every outcome must be data within the
// limits or one of the transport's own errors.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/TMemoryStream.h"
#include "net/IdExceptions.h"
#include "net/TIdTCPClient.h"
#include "platform/socket/MemorySocketStack.h"
#include "platform/socket/SocketErrorNumbers.h"
#include "platform/socket/StackLock.h"

namespace {

using Step = MemorySocketStack::Step;

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return at_ >= size_; }
    std::uint8_t Byte() { return Empty() ? 0 : data_[at_++]; }
    std::string Bytes(std::size_t count) {
        const std::size_t taken = std::min(count, size_ - std::min(at_, size_));
        std::string bytes(reinterpret_cast<const char*>(data_ + at_), taken);
        at_ += taken;
        return bytes;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

std::vector<Step> Script(Input& input) {
    static constexpr int kErrors[] = {SocketError::ConnectionAborted, SocketError::Shutdown,
                                      SocketError::ConnectionReset};
    std::vector<Step> steps;
    while (!input.Empty()) {
        const std::uint8_t code = input.Byte();
        switch (code % 8) {
            case 5:
                steps.push_back(Step::Silence());
                break;
            case 6:
                steps.push_back(Step::Interrupt());
                break;
            case 7:
                steps.push_back(Step::Error(kErrors[code / 8 % 3]));
                break;
            default:
                steps.push_back(Step::Data(input.Bytes(code / 8 + 1)));
                break;
        }
    }
    steps.push_back(Step::Close());
    return steps;
}

void Read(TIdTCPClient& client, std::uint8_t operation) {
    switch (operation % 5) {
        case 0: {
            const std::string line = client.ReadLine();
            const std::size_t maximum = static_cast<std::size_t>(client.MaxLineLength());
            if (line.size() > maximum) __builtin_trap();
            break;
        }
        case 1:
            client.ReadLine(operation & 0x80 ? "\r\n" : "--", TimeoutDefault, operation % 7);
            break;
        case 2: {
            if (client.ReadExact(operation % 40).size() != operation % 40u) __builtin_trap();
            break;
        }
        case 3: {
            TMemoryStream stream;
            const std::int64_t count = operation & 0x80 ? 1000000000000000000LL : operation % 50;
            client.ReadToStream(stream, count, operation & 0x40);
            if (stream.Size() != stream.Position()) __builtin_trap();
            break;
        }
        default:
            client.PollForClose();
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    Input input(data, size);
    const std::uint8_t settings = input.Byte();
    std::vector<std::uint8_t> operations = {input.Byte(), input.Byte(), input.Byte()};
    auto stack = std::make_shared<MemorySocketStack>();
    StackLock::Install(stack);
    stack->AddPeer(Script(input));
    {
        TIdTCPClient client;
        client.SetHost("localhost");
        client.SetRecvBufferSize(settings % 16 + 1);
        client.SetMaxLineLength(settings % 32 + 1);
        client.SetMaxLineAction(settings & 0x80 ? TIdMaxLineAction::maSplit
                                                : TIdMaxLineAction::maException);
        client.SetReadTimeout(settings & 0x40 ? 100 : 0);
        client.OpenConnection();
        for (int round = 0; round < 64; ++round) {
            try {
                Read(client, operations[static_cast<std::size_t>(round) % operations.size()]);
            } catch (const EIdException&) {
                if (!client.IsOpen()) break;
            }
        }
    }
    StackLock::Install(nullptr);
    return 0;
}
