#include "ByteStream.h"

#include <algorithm>
#include <cstring>

namespace settings {

std::size_t MemoryStream::read(std::uint8_t* buffer, std::size_t count) {
    const auto position = static_cast<std::size_t>(position_);
    if (position >= bytes_.size()) {
        return 0;
    }
    const std::size_t delivered = std::min(count, bytes_.size() - position);
    std::memcpy(buffer, bytes_.data() + position, delivered);
    position_ += static_cast<std::int64_t>(delivered);
    return delivered;
}

std::size_t MemoryStream::write(const std::uint8_t* buffer, std::size_t count) {
    const auto position = static_cast<std::size_t>(position_);
    if (bytes_.size() < position + count) {
        bytes_.resize(position + count);
    }
    std::memcpy(bytes_.data() + position, buffer, count);
    position_ += static_cast<std::int64_t>(count);
    return count;
}

} // namespace settings
