#pragma once

#include <string>

// The named single-instance guard, local to the user's session. The first caller takes an
// exclusive lock on "<name>.lock" in $XDG_RUNTIME_DIR and holds it until the process ends, so
// the system releases it however the process ends.
namespace SingleInstanceLock {

enum class Result { Acquired, AlreadyHeld, Failed };

Result Acquire(const std::string& name);

// The lock file's folder: $XDG_RUNTIME_DIR, or a private folder of the user's under /tmp
// when that is unset.
std::string LockFolder();

}  // namespace SingleInstanceLock
