#pragma once

#include "net/TIdSocketHandle.h"

// The connection's I/O handler: the one socket handle it reads and writes through, and the
// socket options. The connection always goes straight to its host (no SOCKS proxy).
class TIdIOHandlerSocket {
public:
    TIdSocketHandle& Binding() { return binding_; }
    const TIdSocketHandle& Binding() const { return binding_; }

    // False switches off send coalescing on the socket; true (the default) leaves it alone.
    bool UseNagle() const { return useNagle_; }
    void SetUseNagle(bool useNagle) { useNagle_ = useNagle; }

    // Whether the socket is open.
    bool Connected() const { return binding_.HandleAllocated(); }

private:
    TIdSocketHandle binding_;
    bool useNagle_ = true;
};
