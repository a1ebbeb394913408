#pragma once

#include <cstdint>
#include <string>

#include "net/TIdTCPConnection.h"

// A connection that opens itself to Host:Port.
class TIdTCPClient : public TIdTCPConnection {
public:
    const std::string& Host() const { return host_; }
    void SetHost(const std::string& host) { host_ = host; }
    std::uint16_t Port() const { return port_; }
    void SetPort(std::uint16_t port) { port_ = port; }
    // Local address and port to bind before connecting: empty and 0 let the platform choose.
    const std::string& BoundIP() const { return boundIp_; }
    void SetBoundIP(const std::string& ip) { boundIp_ = ip; }
    std::uint16_t BoundPort() const { return boundPort_; }
    void SetBoundPort(std::uint16_t port) { boundPort_ = port; }
    // The handler's socket option, kept here until OpenConnection makes the handler.
    bool UseNagle() const { return useNagle_; }
    void SetUseNagle(bool useNagle) { useNagle_ = useNagle; }
    // Milliseconds a connect may take before EIdConnectTimeout; 0 (the default) leaves the
    // connect to the platform's own limit. It wins over OpenConnection's argument.
    int ConnectTimeout() const { return connectTimeout_; }
    void SetConnectTimeout(int milliseconds) { connectTimeout_ = milliseconds; }

    // Connects to Host:Port. A positive timeLimit (or ConnectTimeout, or the time left to the
    // deadline) bounds the connect; -1 and 0 make it one blocking connect.
    void OpenConnection(int timeLimit = -1);

private:
    void ConnectSocket(TIdSocketHandle& binding, int timeLimit);
    int EffectiveConnectLimit(int timeLimit) const;

    std::string host_;
    std::uint16_t port_ = 0;
    std::string boundIp_;
    std::uint16_t boundPort_ = 0;
    bool useNagle_ = true;
    int connectTimeout_ = 0;
};
