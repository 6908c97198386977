#include "exif/PositionedBytes.h"

#include "common/Error.h"

#include <algorithm>

namespace vistarel {

void PositionedBytes::readAt(std::uint64_t position, void* buffer, std::size_t size) const {
    if (readSomeAt(position, buffer, size) != size)
        throw readBeyondEndOfFile();
}

std::size_t PositionedBytes::readSomeAt(std::uint64_t position, void* buffer,
                                        std::size_t size) const noexcept {
    if (position >= bytes_.size())
        return 0;
    const std::size_t count =
        std::min<std::uint64_t>(size, bytes_.size() - static_cast<std::size_t>(position));
    std::copy_n(bytes_.data() + position, count, static_cast<std::uint8_t*>(buffer));
    return count;
}

} // namespace vistarel
