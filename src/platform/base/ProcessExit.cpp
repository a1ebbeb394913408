#include "platform/ProcessExit.h"

#include <cstdio>
#include <cstdlib>

#include "platform/UiThread.h"

void EndProcess(int status) {
    UiThread::Shutdown();
    std::fflush(nullptr);
    // Running static destructors while workers may still use the objects they destroy is
    // what would crash; _Exit ends every thread at once instead.
    std::_Exit(status);
}
