#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// The one-way notice that the service is stopping. Handlers that make a reply wait do so
// here, so that a stop signal does not have to outlast the longest delay.
class ServiceStop {
public:
    void Request();
    bool IsRequested() const;

    // Waits until the time has passed or a stop was requested; true when it was.
    bool WaitFor(std::chrono::milliseconds time) const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool requested_ = false;
};
