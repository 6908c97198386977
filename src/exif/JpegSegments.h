#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

namespace vistarel {

// One marker segment of a JPEG file that has a length field.
struct JpegSegment {
    unsigned char marker = 0; // the second byte of its marker
    std::size_t position = 0; // of its marker
    std::size_t length = 0;   // of its payload, as its length field says
    std::string_view payload; // the payload, as far as the bytes reach
    bool whole() const { return payload.size() == length; }
};

// Walks the marker segments from just after the start of image up to the start of scan,
// the end of image or a malformed marker, and shows visit every segment with a length (a
// segment the bytes end in too) until visit returns true. Returns the size the bytes must
// have for the walk to go on when they end before it could stop; 0 otherwise, and for bytes
// that are no JPEG.
std::size_t walkJpegSegments(std::string_view jpeg,
                             const std::function<bool(const JpegSegment&)>& visit);

} // namespace vistarel
