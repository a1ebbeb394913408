#pragma once

#include <memory>
#include <string>

#include "core/TFileStream.h"

// Writes a file by way of a new file in the same folder, renamed over the name only when
// Commit is called, so that a write that fails (a full disk, a folder removed meanwhile)
// leaves the old file as it was. A name that exists and is no regular file (a device, a pipe)
// is written in place, as there is nothing to keep.
class TFileReplacement {
public:
    // Raises EFCreateError "Cannot create file "<name>". <reason>" when no file can be made.
    explicit TFileReplacement(const std::string& fileName);
    // Removes the new file unless Commit succeeded.
    ~TFileReplacement();
    TFileReplacement(const TFileReplacement&) = delete;
    TFileReplacement& operator=(const TFileReplacement&) = delete;

    TStream& Stream() { return *stream_; }
    // Puts the written bytes on the disk and the new file in place of the old one, with the
    // old file's permissions. Raises EWriteError when that fails; the old file then stays.
    void Commit();

private:
    std::string fileName_;
    std::string temporaryName_;  // empty when writing in place
    unsigned mode_ = 0;
    std::unique_ptr<TFileStream> stream_;
    bool committed_ = false;
};
