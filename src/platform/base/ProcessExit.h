#pragma once

// Ends the process the way the desktop platform ends an application: worker threads that are
// still running are stopped where they are, not waited for, and no further code of theirs
// runs. Flushes the standard streams first.
[[noreturn]] void EndProcess(int status);
