#include "net/TIdTCPClient.h"

#include <algorithm>

#include "net/HostLookUp.h"
#include "net/IdExceptions.h"

void TIdTCPClient::OpenConnection(int timeLimit) {
    TIdSocketHandle& binding = PrepareHandler();
    try {
        ConnectSocket(binding, timeLimit);
        EmitStatus(TIdStatus::hsConnected, host_);
        ConnectedHook();
    } catch (...) {
        binding.CloseSocket();
        throw;
    }
}

void TIdTCPClient::ConnectSocket(TIdSocketHandle& binding, int timeLimit) {
    binding.AllocateSocket();
    binding.SetIP(boundIp_);
    binding.SetPort(boundPort_);
    binding.Bind();
    EmitStatus(TIdStatus::hsResolving, host_);
    binding.SetPeer(LookUpHost(binding.Stack(), host_), port_);
    IOHandler()->SetUseNagle(useNagle_);
    if (!useNagle_) binding.SetNoDelay(true);
    EmitStatus(TIdStatus::hsConnecting, host_);
    binding.Connect(EffectiveConnectLimit(timeLimit));
    binding.UpdateBindingLocal();
    binding.UpdateBindingPeer();
}

int TIdTCPClient::EffectiveConnectLimit(int timeLimit) const {
    int limit = connectTimeout_ > 0 ? connectTimeout_ : std::max(timeLimit, 0);
    if (const auto deadline = Deadline()) {
        const auto rest = std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now());
        if (rest.count() <= 0) throw EIdConnectTimeout();
        const int left = static_cast<int>(std::min<std::int64_t>(rest.count(), 0x7FFFFFFF));
        limit = limit > 0 ? std::min(limit, left) : left;
    }
    return limit;
}
