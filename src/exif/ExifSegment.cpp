#include "exif/ExifSegment.h"

#include "exif/JpegSegments.h"
#include "exif/MetadataTags.h"

namespace vistarel {

std::optional<std::uint64_t> findExifSegment(std::span<const std::uint8_t> bytes) {
    constexpr std::string_view kExifIdentifier{"Exif\0\0", 6};
    std::optional<std::uint64_t> found;
    walkJpegSegments({reinterpret_cast<const char*>(bytes.data()), bytes.size()},
                     [&](const JpegSegment& segment) {
                         if (segment.marker == jpeg_marker::kApp1 &&
                             segment.length >= kExifIdentifier.size() &&
                             segment.payload.starts_with(kExifIdentifier))
                             found = segment.position;
                         return found.has_value();
                     });
    return found;
}

} // namespace vistarel
