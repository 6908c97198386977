#include "help/CodePages.h"

#include "common/Cp1250.h"

#include <array>

namespace vistarel {
namespace {

// windows-1252 differs from Latin-1 only in 0x80..0x9F; its five undefined bytes stay the
// C1 controls of the same value.
constexpr std::array<char16_t, 32> kCp1252Block80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char32_t codePageToCodePoint(int codePage, unsigned char byte) {
    if (codePage == 1250)
        return cp1250ToCodePoint(byte);
    if (byte >= 0x80 && byte < 0xA0)
        return kCp1252Block80[byte - 0x80];
    return byte;
}

int codePageForCharset(int charset, int documentCodePage) {
    constexpr int kEasternEuropean = 238;
    return charset == kEasternEuropean ? 1250 : documentCodePage;
}

char32_t validCodePoint(char32_t cp) {
    return cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) ? U'\uFFFD' : cp;
}

} // namespace vistarel
