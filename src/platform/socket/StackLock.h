#pragma once

#include <memory>
#include <mutex>

class SocketStack;

// The one process-wide lock over the socket stack. Every component of the HTTP client family
// holds the stack while it exists: the first to come creates it, the last to go frees it, and
// the count between them is kept under this lock, since several worker threads create and
// free their clients at the same time. The socket library's start-up runs at most once per
// process, its clean-up once at process end.
class StackLock {
public:
    // Counts one more holder and returns the stack, creating it for the first holder;
    // nullptr (and no holder counted) when the socket library failed to start.
    static SocketStack* Acquire();
    // Counts one holder less; the last frees the stack.
    static void Release();

    static int HolderCount();
    static int StartUpCount();

    // Makes the next stack created the given one instead of the platform's (tests and
    // fuzzers install the in-memory stack). nullptr returns to the platform's stack. Only
    // while nothing holds a stack.
    static void Install(std::shared_ptr<SocketStack> stack);

private:
    static std::mutex& Mutex();
};
