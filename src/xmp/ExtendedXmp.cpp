#include "xmp/ExtendedXmp.h"

#include <algorithm>
#include <cstdint>

namespace vistarel {
namespace {

constexpr std::size_t kGuidSize = 32;
constexpr std::size_t kHeaderSize = kGuidSize + 8;

std::uint32_t bigEndian32(std::string_view bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    return value;
}

struct Chunk {
    std::uint32_t fullLength = 0;
    std::uint32_t offset = 0;
    std::string_view bytes;
};

std::vector<Chunk> chunksOf(const std::vector<std::string_view>& chunks, std::string_view guid) {
    std::vector<Chunk> found;
    for (const std::string_view chunk : chunks)
        if (chunk.size() >= kHeaderSize && chunk.substr(0, kGuidSize) == guid)
            found.push_back({bigEndian32(chunk.substr(kGuidSize)),
                             bigEndian32(chunk.substr(kGuidSize + 4)), chunk.substr(kHeaderSize)});
    std::ranges::sort(found, {}, &Chunk::offset);
    return found;
}

} // namespace

ExtendedXmp joinExtendedXmp(const std::vector<std::string_view>& chunks, std::string_view guid,
                            std::size_t limit) {
    const std::vector<Chunk> found = chunksOf(chunks, guid);
    if (guid.size() != kGuidSize || found.empty())
        return {};
    const std::uint32_t fullLength = found.front().fullLength;
    if (fullLength > limit)
        return {std::nullopt, true};
    std::string packet;
    packet.reserve(fullLength);
    for (const Chunk& chunk : found) {
        if (chunk.fullLength != fullLength || chunk.offset > packet.size())
            return {}; // another packet's length, or a gap before this chunk
        const std::size_t known = packet.size() - chunk.offset; // already joined: overlap
        if (known < chunk.bytes.size())
            packet += chunk.bytes.substr(known, fullLength - packet.size());
    }
    if (packet.size() != fullLength)
        return {};
    return {std::move(packet), false};
}

} // namespace vistarel
