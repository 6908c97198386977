#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace vistarel {

// Where a photo's own caption can come from.
enum class CaptionSource {
    Text,        // "txt": a text file beside the photo
    Exif,        // "exif": the EXIF user comment
    Xmp,         // "xmp": XMP dc:description, from a sidecar or the photo
    Iptc,        // "iptc": IPTC Caption-Abstract
    Description, // "description": EXIF ImageDescription that is no camera filler
};

// The sources a build looks at, in order; the first that gives a caption wins.
struct CaptionSources {
    std::vector<CaptionSource> order{CaptionSource::Text, CaptionSource::Exif, CaptionSource::Xmp,
                                     CaptionSource::Iptc, CaptionSource::Description};
    bool operator==(const CaptionSources&) const = default;
};

const char* captionSourceName(CaptionSource source); // "txt", "exif", ...

// A comma-separated list of names, each at most once ("iptc,txt"); an empty list takes no
// caption from the photo. Nothing for an unknown, repeated or empty name.
std::optional<CaptionSources> parseCaptionSources(std::string_view list);

} // namespace vistarel
