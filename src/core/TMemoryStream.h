#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/Stream.h"

// A growable byte buffer with a position. Writing past the end grows it; growing it when
// memory is exhausted raises std::bad_alloc.
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::size_t Read(void* buffer, std::size_t count) override;
    std::size_t Write(const void* buffer, std::size_t count) override;
    std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
    std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }
    void SetSize(std::int64_t size) override;

    void Clear();
    std::span<const std::uint8_t> Bytes() const { return bytes_; }
    std::string ToString() const { return std::string(bytes_.begin(), bytes_.end()); }
    bool SaveToFile(const std::string& fileName) const;

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};
