#include "core/TFileStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/Exception.h"
#include "core/Text.h"

TFileStream::TFileStream(const std::string& fileName, Mode mode) : fileName_(fileName) {
    int flags = O_CLOEXEC;
    switch (mode) {
        case Mode::Create:
            flags |= O_RDWR | O_CREAT | O_TRUNC;
            break;
        case Mode::OpenRead:
            flags |= O_RDONLY;
            break;
        case Mode::OpenReadWrite:
            flags |= O_RDWR;
            break;
        case Mode::CreateNew:
            flags |= O_RDWR | O_CREAT | O_EXCL;
            break;
    }
    fd_ = ::open(fileName.c_str(), flags, 0666);
    if (fd_ < 0) {
        const std::string reason = SystemErrorText(errno);
        if (mode == Mode::Create || mode == Mode::CreateNew) {
            throw EFCreateError(
                Format("Cannot create file \"%s\". %s", fileName.c_str(), reason.c_str()));
        }
        throw EFOpenError(Format("Cannot open file \"%s\". %s", fileName.c_str(), reason.c_str()));
    }
}

TFileStream::~TFileStream() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
    std::size_t done = 0;
    auto* out = static_cast<char*>(buffer);
    while (done < count) {
        const ssize_t n = ::read(fd_, out + done, count - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

std::size_t TFileStream::Write(const void* buffer, std::size_t count) {
    std::size_t done = 0;
    const auto* in = static_cast<const char*>(buffer);
    while (done < count) {
        const ssize_t n = ::write(fd_, in + done, count - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

std::int64_t TFileStream::Seek(std::int64_t offset, SeekOrigin origin) {
    int whence = SEEK_SET;
    if (origin == SeekOrigin::Current) whence = SEEK_CUR;
    if (origin == SeekOrigin::End) whence = SEEK_END;
    const off_t result = ::lseek(fd_, offset, whence);
    return result < 0 ? ::lseek(fd_, 0, SEEK_CUR) : result;
}

std::int64_t TFileStream::Size() const {
    struct stat info {};
    return ::fstat(fd_, &info) == 0 ? info.st_size : 0;
}

void TFileStream::SetSize(std::int64_t size) {
    if (::ftruncate(fd_, size) != 0) {
        throw EWriteError(Format("Cannot resize file \"%s\". %s", fileName_.c_str(),
                                 SystemErrorText(errno).c_str()));
    }
}

bool TFileStream::Sync() {
    return ::fsync(fd_) == 0;
}

bool TFileStream::SetMode(unsigned mode) {
    return ::fchmod(fd_, static_cast<mode_t>(mode)) == 0;
}
