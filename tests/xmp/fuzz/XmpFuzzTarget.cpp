// libFuzzer entry: every input is an XMP sidecar and a photo whose (extended) packet is read.
#include "captions/MetadataSegments.h"
#include "xmp/ExtendedXmp.h"
#include "xmp/XmpPacket.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vistarel;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    readXmpPacket(bytes);
    const MetadataSegments segments = findMetadataSegments(bytes);
    const XmpPacket packet = readXmpPacket(segments.xmp);
    if (const auto joined =
            joinExtendedXmp(segments.extendedXmp, packet.extendedGuid, 65536).packet)
        readXmpPacket(*joined);
    return 0;
}
