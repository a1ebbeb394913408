#include "platform/socket/StackLock.h"

#include <cstdlib>

#include "platform/socket/PosixSocketStack.h"
#include "platform/socket/SocketStack.h"

namespace {

std::mutex& StackLockMutexForExit() {
    static std::mutex mutex;
    return mutex;
}

// All of these are touched only under StackLock::Mutex().
struct StackState {
    std::shared_ptr<SocketStack> installed;
    std::shared_ptr<SocketStack> current;
    int holders = 0;
    int startUps = 0;
    // The stack whose start-up ran, kept for the clean-up at exit.
    std::shared_ptr<SocketStack> started;
};

StackState& State() {
    static StackState state;
    return state;
}

// The library's clean-up belongs at process end, once, on the stack that was started.
void CleanUpAtExit() {
    std::lock_guard guard(StackLockMutexForExit());
    if (State().started) State().started->CleanUp();
}

}  // namespace

std::mutex& StackLock::Mutex() {
    return StackLockMutexForExit();
}

SocketStack* StackLock::Acquire() {
    std::lock_guard guard(Mutex());
    StackState& state = State();
    if (!state.current) {
        state.current = state.installed ? state.installed : std::make_shared<PosixSocketStack>();
    }
    if (!state.started) {
        if (!state.current->StartUp()) {
            state.current.reset();
            return nullptr;
        }
        state.started = state.current;
        ++state.startUps;
        std::atexit(CleanUpAtExit);
    }
    ++state.holders;
    return state.current.get();
}

void StackLock::Release() {
    std::lock_guard guard(Mutex());
    StackState& state = State();
    if (state.holders > 0 && --state.holders == 0) {
        state.current.reset();
    }
}

int StackLock::HolderCount() {
    std::lock_guard guard(Mutex());
    return State().holders;
}

int StackLock::StartUpCount() {
    std::lock_guard guard(Mutex());
    return State().startUps;
}

void StackLock::Install(std::shared_ptr<SocketStack> stack) {
    std::lock_guard guard(Mutex());
    State().installed = std::move(stack);
}
