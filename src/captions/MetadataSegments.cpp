#include "captions/MetadataSegments.h"

#include "exif/JpegSegments.h"
#include "exif/MetadataTags.h"

namespace vistarel {
namespace {

constexpr std::string_view kXmpIdentifier{"http://ns.adobe.com/xap/1.0/\0", 29};
constexpr std::string_view kExtendedXmpIdentifier{"http://ns.adobe.com/xmp/extension/\0", 35};

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

} // namespace

MetadataSegments findMetadataSegments(std::string_view jpeg) {
    MetadataSegments found;
    found.wanted = walkJpegSegments(jpeg, [&found](const JpegSegment& segment) {
        if (segment.whole())
            sortPayload(segment.marker, segment.payload, found);
        return false;
    });
    return found;
}

} // namespace vistarel
