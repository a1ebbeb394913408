#include "ServiceStop.h"

void ServiceStop::Request() {
    {
        std::lock_guard lock(mutex_);
        requested_ = true;
    }
    changed_.notify_all();
}

bool ServiceStop::IsRequested() const {
    std::lock_guard lock(mutex_);
    return requested_;
}

bool ServiceStop::WaitFor(std::chrono::milliseconds time) const {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, time, [this] { return requested_; });
}
