#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vistarel {

// What an XMP packet says that a caption needs.
struct XmpPacket {
    // dc:description: its x-default alternative, else its first; trailing blanks and line
    // ends removed. Nothing when the packet has none or it was cut off by an error.
    std::optional<std::string> description;
    // xmpNote:HasExtendedXMP: the GUID of the extended packet holding the rest, or "".
    std::string extendedGuid;
    // Why the packet is not well-formed XML ("line 3: mismatched tag"), or "". What came
    // whole before the fault is kept: a trailing fault does not lose the description.
    std::string error;
};

// Reads an XMP packet (a whole .xmp file or the packet of a photo) as UTF-8 or UTF-16.
// A document type declaration is refused, so no entity is ever expanded.
XmpPacket readXmpPacket(std::string_view xml);

} // namespace vistarel
