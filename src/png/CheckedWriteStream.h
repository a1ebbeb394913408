#pragma once

#include "core/Stream.h"

namespace png {

// Passes everything to another stream, but raises EWriteError when a write falls short, so
// that a full disk ends the writing of a picture with an error instead of a cut-off file.
class CheckedWriteStream : public TStream {
public:
    explicit CheckedWriteStream(TStream& target) : target_(target) {}

    std::size_t Read(void* buffer, std::size_t count) override {
        return target_.Read(buffer, count);
    }
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override {
        return target_.Seek(offset, origin);
    }
    std::int64_t Size() const override { return target_.Size(); }
    void SetSize(std::int64_t size) override { target_.SetSize(size); }

private:
    TStream& target_;
};

}  // namespace png
