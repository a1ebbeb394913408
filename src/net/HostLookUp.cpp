#include "net/HostLookUp.h"

#include "core/Text.h"
#include "net/IdExceptions.h"
#include "platform/socket/SocketStack.h"

bool IsDottedQuad(const std::string& text) {
    int pieces = 0;
    std::size_t at = 0;
    while (pieces < 4) {
        std::size_t digits = 0;
        int value = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 3) {
            value = value * 10 + (text[at] - '0');
            ++at;
            ++digits;
        }
        if (digits == 0 || value > 255) return false;
        ++pieces;
        if (pieces == 4) break;
        if (at >= text.size() || text[at] != '.') return false;
        ++at;
    }
    return at == text.size();
}

std::string LookUpHost(SocketStack& stack, const std::string& name) {
    if (SameText(name, "LOCALHOST")) return "127.0.0.1";
    if (IsDottedQuad(name)) return name;
    std::string address;
    if (!stack.HostByName(name, address)) throw EIdSocketError(stack.LastError());
    return address;
}
