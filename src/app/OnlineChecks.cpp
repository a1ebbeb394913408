#include "app/OnlineChecks.h"

#include <mutex>

std::atomic<bool> ConnectionOk = false;

namespace {

std::mutex limitsMutex;
TCheckTimeLimits limits;

}  // namespace

TCheckTimeLimits CheckTimeLimits() {
    const std::lock_guard lock(limitsMutex);
    return limits;
}

void SetCheckTimeLimits(const TCheckTimeLimits& newLimits) {
    const std::lock_guard lock(limitsMutex);
    limits = newLimits;
}
