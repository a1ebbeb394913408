#include "platform/base/ProcessExit.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace {

// Leaked on purpose: EndProcess may run while static objects are being destroyed.
struct TEndSteps {
    std::mutex mutex;
    std::vector<std::function<void()>> steps;
};

TEndSteps& EndSteps() {
    static auto* steps = new TEndSteps;
    return *steps;
}

}  // namespace

void AtProcessEnd(std::function<void()> step) {
    std::lock_guard lock(EndSteps().mutex);
    EndSteps().steps.push_back(std::move(step));
}

void EndProcess(int status) {
    std::vector<std::function<void()>> steps;
    {
        std::lock_guard lock(EndSteps().mutex);
        steps = EndSteps().steps;
    }
    for (const auto& step : steps) step();
    std::fflush(nullptr);
    // Running static destructors while workers may still use the objects they destroy is
    // what would crash; _Exit ends every thread at once instead.
    std::_Exit(status);
}
