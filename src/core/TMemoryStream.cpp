#include "core/TMemoryStream.h"

#include <algorithm>
#include <cstring>
#include <fstream>

#include "core/Exception.h"

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
    if (position_ >= bytes_.size()) {
        return 0;
    }
    const std::size_t n = std::min(count, bytes_.size() - position_);
    std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
    if (count == 0) {
        return 0;
    }
    if (count > bytes_.max_size() - position_) {
        throw std::bad_alloc();
    }
    const std::size_t end = position_ + count;
    if (end > bytes_.size()) {
        bytes_.resize(end);
    }
    std::memcpy(bytes_.data() + position_, buffer, count);
    position_ = end;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, SeekOrigin origin) {
    std::int64_t base = 0;
    switch (origin) {
        case SeekOrigin::Beginning:
            base = 0;
            break;
        case SeekOrigin::Current:
            base = static_cast<std::int64_t>(position_);
            break;
        case SeekOrigin::End:
            base = Size();
            break;
    }
    std::int64_t target = 0;
    if (__builtin_add_overflow(base, offset, &target) || target < 0) {
        target = target < 0 || offset < 0 ? 0 : INT64_MAX;
    }
    position_ = static_cast<std::size_t>(target);
    return target;
}

void TMemoryStream::SetSize(std::int64_t size) {
    if (size < 0) {
        throw EStreamError("Invalid stream size");
    }
    bytes_.resize(static_cast<std::size_t>(size));
    position_ = std::min(position_, bytes_.size());
}

void TMemoryStream::Clear() {
    bytes_.clear();
    bytes_.shrink_to_fit();
    position_ = 0;
}

bool TMemoryStream::SaveToFile(const std::string& fileName) const {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes_.data()),
              static_cast<std::streamsize>(bytes_.size()));
    return static_cast<bool>(out);
}
