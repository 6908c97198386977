#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace vistarel {

// A photo's bytes, read at given positions. Positions are sums of 32-bit numbers from the
// block; one past the end, however far, is simply not there.
class PositionedBytes {
public:
    explicit PositionedBytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    // Reads exactly size bytes at position; "Read beyond end of file" when fewer are there.
    void readAt(std::uint64_t position, void* buffer, std::size_t size) const;

    // Reads up to size bytes at position and returns how many were there.
    std::size_t readSomeAt(std::uint64_t position, void* buffer, std::size_t size) const noexcept;

    // Like readAt but reports a short read as false.
    bool tryReadAt(std::uint64_t position, void* buffer, std::size_t size) const noexcept {
        return readSomeAt(position, buffer, size) == size;
    }

    std::uint64_t size() const { return bytes_.size(); }
    // The byte at position, which must be below size().
    std::uint8_t at(std::uint64_t position) const { return bytes_[position]; }

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace vistarel
