#pragma once

#include <functional>

// Ends the process the way the desktop platform ends an application: worker threads that are
// still running are stopped where they are, not waited for, and no further code of theirs
// runs. Runs the steps registered with AtProcessEnd and flushes the standard streams first.
[[noreturn]] void EndProcess(int status);

// Registers a step for EndProcess, run on the ending thread in the order of registration.
// Layers above this one (the UI thread's call queue, for instance) hand in what must happen
// before the process goes, without this library depending on them.
void AtProcessEnd(std::function<void()> step);
