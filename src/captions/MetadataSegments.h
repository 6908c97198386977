#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vistarel {

// The payloads of a JPEG photo's segments that can hold a caption, as views into its bytes,
// each without its identifier.
struct MetadataSegments {
    std::string_view xmp;                      // the first standard XMP packet, "" for none
    std::vector<std::string_view> extendedXmp; // the chunks of extended XMP (see ExtendedXmp.h)
    std::vector<std::string_view> photoshop;   // every APP13 payload, identifier included
    // The size the bytes must have for the walk to go on, when they end inside a segment
    // or before the start of scan; 0 once it reached the start of scan or a broken marker.
    std::size_t wanted = 0;
};

// Walks the marker segments from the start of image to the start of scan. Bytes that are
// no JPEG give nothing.
MetadataSegments findMetadataSegments(std::string_view jpeg);

} // namespace vistarel
