#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace vistarel {

// The position of the marker of the first APP1 segment whose payload begins with
// "Exif" 00 00, found by walking the JPEG marker segments from just after the start of
// image up to the start of scan. Nothing (and no error) for a file that is not a JPEG or
// whose segment chain is malformed or cut short before such a segment.
std::optional<std::uint64_t> findExifSegment(std::span<const std::uint8_t> bytes);

} // namespace vistarel
