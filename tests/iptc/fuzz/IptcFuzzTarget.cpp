// libFuzzer entry: every input is a photo with APP13 segments and one APP13 payload itself.
#include "captions/MetadataSegments.h"
#include "iptc/IptcCaption.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vistarel::readIptcCaption(vistarel::findMetadataSegments(bytes).photoshop);
    vistarel::readIptcCaption({bytes});
    return 0;
}
