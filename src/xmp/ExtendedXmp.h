#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistarel {

// The extended packet of a photo whose XMP is too large for one segment, joined from its
// chunks: each is what follows the extension identifier in an APP1 segment, namely the
// GUID (32 hexadecimal digits), the packet's full length and the chunk's offset (32 bits
// each, big-endian), then the chunk's bytes.
struct ExtendedXmp {
    std::optional<std::string> packet; // nothing when a chunk is missing or none matches
    bool tooLarge = false;             // the packet is longer than the limit: not joined
};

// Joins the chunks of the packet named by guid (other GUIDs belong to other packets and
// are left out); chunks may come in any order and overlap.
ExtendedXmp joinExtendedXmp(const std::vector<std::string_view>& chunks, std::string_view guid,
                            std::size_t limit);

} // namespace vistarel
