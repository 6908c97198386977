#include "common/Utf16.h"

#include "common/Cp1250.h"

namespace vistarel {

bool startsWithUtf16Mark(std::string_view bytes) {
    return bytes.size() >= 2 && ((bytes[0] == '\xFE' && bytes[1] == '\xFF') ||
                                 (bytes[0] == '\xFF' && bytes[1] == '\xFE'));
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    if (startsWithUtf16Mark(bytes)) {
        bigEndian = bytes[0] == '\xFE';
        bytes.remove_prefix(2);
    }
    const auto unit = [&](std::size_t at) {
        const auto hi = static_cast<unsigned char>(bytes[at + (bigEndian ? 0 : 1)]);
        const auto lo = static_cast<unsigned char>(bytes[at + (bigEndian ? 1 : 0)]);
        return static_cast<char16_t>(hi << 8 | lo);
    };
    std::string out;
    for (std::size_t pos = 0; pos + 1 < bytes.size(); pos += 2) {
        char32_t cp = unit(pos);
        if (cp >= 0xD800 && cp <= 0xDBFF && pos + 3 < bytes.size()) {
            const char16_t low = unit(pos + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                pos += 2;
            }
        }
        if (cp >= 0xD800 && cp <= 0xDFFF)
            cp = 0xFFFD; // a lone surrogate
        if (cp != 0)
            appendUtf8(out, cp);
    }
    return out;
}

} // namespace vistarel
