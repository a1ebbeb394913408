#include "app/ProcessSetup.h"

#include <csignal>

void InitialiseSubsystems() {
    // A peer that closes while the HTTP client sends must cost a socket error, never the
    // process: every send already passes MSG_NOSIGNAL, and this covers any write that does not.
    std::signal(SIGPIPE, SIG_IGN);
}
