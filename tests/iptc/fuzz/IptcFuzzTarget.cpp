// libFuzzer entry: every input is read as a photo whose APP13 segments hold the caption, and
// as one APP13 payload itself. Anything but a clean return is a fault.
#include "captions/MetadataSegments.h"
#include "iptc/IptcCaption.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vistarel::readIptcCaption(vistarel::findMetadataSegments(bytes).photoshop);
    vistarel::readIptcCaption({bytes});
    return 0;
}
