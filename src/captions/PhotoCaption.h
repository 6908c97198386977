#pragma once

#include "common/CaptionSources.h"

#include <string>
#include <string_view>
#include <vector>

namespace vistarel {

class TExif;

// The photo's own caption, UTF-8: the first that the sources give, in their order.
struct PhotoCaption {
    std::string text; // "" when none gives one
    // What was not read and why, each naming its file: a sidecar over 1 MB or unreadable,
    // an extended XMP packet over 64 KB, XMP that is not well-formed.
    std::vector<std::string> warnings;
};

// Looks at the sources of the photo at path, whose bytes (at least up to its first scan) are
// in memory and whose EXIF record is read already:
// - txt: "<name without extension>.txt", then "<file name>.txt" (each also as .TXT);
// - exif: the user comment (decodeUserComment);
// - xmp: dc:description of the sidecar "<name without extension>.xmp", then
//   "<file name>.xmp" (also .XMP), then of the photo's own packet and its extended part;
// - iptc: Caption-Abstract;
// - description: the ImageDescription.
// XMP, IPTC and the description count only when they are no camera filler. A source
// stops the search only with a text that is not blank.
PhotoCaption readPhotoCaption(const std::string& path, std::string_view photo, const TExif& exif,
                              const CaptionSources& sources);

// Turns stored comment bytes into text: UNICODE as UTF-16 (a byte-order mark wins over
// the block's order), anything else as UTF-8 when valid, else windows-1250.
std::string decodeUserComment(const std::string& bytes, const std::string& code, bool bigEndian);

} // namespace vistarel
