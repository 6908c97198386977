#include "captions/MetadataSegments.h"

#include "exif/MetadataTags.h"

#include <algorithm>

namespace vistarel {
namespace {

constexpr std::string_view kXmpIdentifier{"http://ns.adobe.com/xap/1.0/\0", 29};
constexpr std::string_view kExtendedXmpIdentifier{"http://ns.adobe.com/xmp/extension/\0", 35};

// Markers that stand alone, without a length field.
bool isStandalone(unsigned char marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

void sortPayload(unsigned char marker, std::string_view payload, MetadataSegments& found) {
    if (marker == jpeg_marker::kApp13) {
        found.photoshop.push_back(payload);
    } else if (marker == jpeg_marker::kApp1) {
        if (payload.starts_with(kXmpIdentifier) && found.xmp.empty())
            found.xmp = payload.substr(kXmpIdentifier.size());
        else if (payload.starts_with(kExtendedXmpIdentifier))
            found.extendedXmp.push_back(payload.substr(kExtendedXmpIdentifier.size()));
    }
}

unsigned char byteAt(std::string_view bytes, std::size_t pos) {
    return static_cast<unsigned char>(bytes[pos]);
}

} // namespace

MetadataSegments findMetadataSegments(std::string_view jpeg) {
    MetadataSegments found;
    if (jpeg.size() < 2 || byteAt(jpeg, 0) != jpeg_marker::kPrefix ||
        byteAt(jpeg, 1) != jpeg_marker::kStartOfImage)
        return found;
    std::size_t pos = 2;
    while (true) {
        if (pos + 4 > jpeg.size()) {
            found.wanted = pos + 4;
            return found;
        }
        const unsigned char marker = byteAt(jpeg, pos + 1);
        if (byteAt(jpeg, pos) != jpeg_marker::kPrefix || marker == jpeg_marker::kStartOfScan ||
            marker == jpeg_marker::kEndOfImage)
            return found;
        if (marker == jpeg_marker::kPrefix || isStandalone(marker)) { // a fill byte, or no length
            pos += marker == jpeg_marker::kPrefix ? 1 : 2;
            continue;
        }
        const std::size_t length = byteAt(jpeg, pos + 2) << 8 | byteAt(jpeg, pos + 3);
        if (length < 2)
            return found;
        if (pos + 2 + length > jpeg.size()) {
            found.wanted = pos + 2 + length + 4; // the segment and the next marker's header
            return found;
        }
        sortPayload(marker, jpeg.substr(pos + 4, length - 2), found);
        pos += 2 + length;
    }
}

} // namespace vistarel
