#include "platform/base/SingleInstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace SingleInstanceLock {

std::string LockFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) return runtime;
    // Without a runtime folder, a folder only this user can write keeps another user from
    // planting the lock file and so from blocking or hijacking our guard.
    const std::string folder = "/tmp/vexmora-" + std::to_string(::getuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::getuid() || (info.st_mode & 0077) != 0) {
        return {};
    }
    return folder;
}

Result Acquire(const std::string& name) {
    const std::string folder = LockFolder();
    if (folder.empty()) return Result::Failed;
    const std::string path = folder + "/" + name + ".lock";
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return Result::Failed;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? Result::AlreadyHeld : Result::Failed;
    }
    // The descriptor stays open on purpose: the lock lives exactly as long as the process.
    return Result::Acquired;
}

}  // namespace SingleInstanceLock
