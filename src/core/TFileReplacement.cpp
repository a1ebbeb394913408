#include "core/TFileReplacement.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "core/Exception.h"
#include "core/Text.h"

namespace {

// A fresh name beside the target, hidden, that no other writer picks by chance.
std::string TemporaryNameFor(const std::string& fileName) {
    const auto slash = fileName.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? fileName : fileName.substr(slash + 1);
    static std::random_device device;
    return Format("%s.%s.%08x.tmp", folder.c_str(), base.c_str(), device());
}

// Permissions a newly created file gets (0666 less the umask), read without changing it.
unsigned NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666u & ~static_cast<unsigned>(mask);
}

}  // namespace

TFileReplacement::TFileReplacement(const std::string& fileName) : fileName_(fileName) {
    struct stat info {};
    // A link is followed: the file it names is replaced, and the link stays.
    if (::stat(fileName.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            stream_ = std::make_unique<TFileStream>(fileName, TFileStream::Mode::Create);
            return;
        }
        mode_ = info.st_mode & 07777;
        char resolved[PATH_MAX];
        if (::realpath(fileName.c_str(), resolved) != nullptr) fileName_ = resolved;
    } else {
        mode_ = NewFileMode();
    }
    for (int attempt = 0; attempt < 16 && !stream_; ++attempt) {
        const std::string candidate = TemporaryNameFor(fileName_);
        try {
            stream_ = std::make_unique<TFileStream>(candidate, TFileStream::Mode::CreateNew);
            temporaryName_ = candidate;
        } catch (const EFCreateError&) {
            // Only a name already taken is worth another try.
            if (::access(candidate.c_str(), F_OK) != 0) break;
        }
    }
    if (!stream_) {
        // No new file can be made beside it (for instance a folder we may not write to, holding
        // a file we may): the old way, in place, is all that is left. This also gives the
        // error text for a name that cannot be created at all.
        stream_ = std::make_unique<TFileStream>(fileName, TFileStream::Mode::Create);
    }
}

TFileReplacement::~TFileReplacement() {
    stream_.reset();
    if (!committed_ && !temporaryName_.empty()) ::unlink(temporaryName_.c_str());
}

void TFileReplacement::Commit() {
    if (temporaryName_.empty()) {
        committed_ = true;
        return;
    }
    if (!stream_->SetMode(mode_) || !stream_->Sync()) {
        throw EWriteError(Format("Cannot write file \"%s\". %s", fileName_.c_str(),
                                 SystemErrorText(errno).c_str()));
    }
    stream_.reset();
    if (std::rename(temporaryName_.c_str(), fileName_.c_str()) != 0) {
        throw EWriteError(Format("Cannot write file \"%s\". %s", fileName_.c_str(),
                                 SystemErrorText(errno).c_str()));
    }
    committed_ = true;
}
