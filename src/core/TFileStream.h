#pragma once

#include <string>

#include "core/Stream.h"

// A stream over a file on disk, unbuffered, through the system's file descriptor.
class TFileStream : public TStream {
public:
    // CreateNew creates a file that must not exist yet (raising EFCreateError otherwise).
    enum class Mode { Create, OpenRead, OpenReadWrite, CreateNew };

    // Create truncates or creates the file. Raises EFCreateError with
    // "Cannot create file "<name>". <reason>" or EFOpenError with
    // "Cannot open file "<name>". <reason>".
    TFileStream(const std::string& fileName, Mode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
    std::int64_t Size() const override;
    void SetSize(std::int64_t size) override;

    const std::string& FileName() const { return fileName_; }
    // Waits until the written bytes are on the disk; false (errno set) when they cannot be.
    bool Sync();
    // Gives the file these permission bits; false (errno set) when it cannot.
    bool SetMode(unsigned mode);

private:
    std::string fileName_;
    int fd_ = -1;
};
