#include "png/CheckedWriteStream.h"

namespace png {

std::size_t CheckedWriteStream::Write(const void* buffer, std::size_t count) {
    target_.WriteBuffer(buffer, count);
    return count;
}

}  // namespace png
