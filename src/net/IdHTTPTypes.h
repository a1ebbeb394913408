#pragma once

#include <initializer_list>

// The enumerations of the HTTP client's settings and request cycle.

enum class TIdHTTPProtocolVersion { pv1_0, pv1_1 };

enum class TIdHTTPMethod { hmHead, hmGet, hmPost, hmOptions, hmTrace, hmPut, hmDelete, hmConnect };

enum class TIdHTTPOption { hoInProcessAuth, hoKeepOrigProtocol, hoForceEncodeParams };

// A set of TIdHTTPOption values.
class TIdHTTPOptions {
public:
    TIdHTTPOptions(std::initializer_list<TIdHTTPOption> options) {
        for (const TIdHTTPOption option : options) Include(option);
    }
    bool Contains(TIdHTTPOption option) const { return (bits_ & Bit(option)) != 0; }
    void Include(TIdHTTPOption option) { bits_ |= Bit(option); }
    void Exclude(TIdHTTPOption option) { bits_ &= ~Bit(option); }

private:
    static unsigned Bit(TIdHTTPOption option) { return 1u << static_cast<unsigned>(option); }
    unsigned bits_ = 0;
};

// What the request cycle does after a reply.
enum class TReplyVerdict { rvFollow, rvDone, rvUnknown, rvRetryAuth };
