#include "exif/JpegSegments.h"

#include "exif/MetadataTags.h"

namespace vistarel {
namespace {

// Markers that stand alone, without a length field.
bool isStandalone(unsigned char marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

unsigned char byteAt(std::string_view bytes, std::size_t pos) {
    return static_cast<unsigned char>(bytes[pos]);
}

} // namespace

std::size_t walkJpegSegments(std::string_view jpeg,
                             const std::function<bool(const JpegSegment&)>& visit) {
    if (jpeg.size() < 2 || byteAt(jpeg, 0) != jpeg_marker::kPrefix ||
        byteAt(jpeg, 1) != jpeg_marker::kStartOfImage)
        return 0;
    for (std::size_t pos = 2;;) {
        if (pos + 4 > jpeg.size())
            return pos + 4;
        const unsigned char marker = byteAt(jpeg, pos + 1);
        if (byteAt(jpeg, pos) != jpeg_marker::kPrefix || marker == jpeg_marker::kStartOfScan ||
            marker == jpeg_marker::kEndOfImage)
            return 0;
        if (marker == jpeg_marker::kPrefix || isStandalone(marker)) { // a fill byte, or no length
            pos += marker == jpeg_marker::kPrefix ? 1 : 2;
            continue;
        }
        const std::size_t length = byteAt(jpeg, pos + 2) << 8 | byteAt(jpeg, pos + 3);
        if (length < 2)
            return 0;
        const JpegSegment segment{marker, pos, length - 2, jpeg.substr(pos + 4, length - 2)};
        if (visit(segment))
            return 0;
        if (!segment.whole())
            return pos + 2 + length + 4; // the segment and the next marker's header
        pos += 2 + length;
    }
}

} // namespace vistarel
