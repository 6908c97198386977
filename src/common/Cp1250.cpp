#include "common/Cp1250.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vistarel {
namespace {

// Code points of the bytes 0x80..0xFF. The five bytes windows-1250 leaves undefined
// (81 83 88 90 98) stand for the C1 controls of the same value, so any byte string
// survives a round trip.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

// The reverse table, sorted by code point, built once.
const std::array<std::pair<char16_t, unsigned char>, 128>& reverseTable() {
    static const auto table = [] {
        std::array<std::pair<char16_t, unsigned char>, 128> t{};
        for (int i = 0; i < 128; ++i)
            t[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
        std::sort(t.begin(), t.end());
        return t;
    }();
    return table;
}

} // namespace

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char32_t cp1250ToCodePoint(unsigned char byte) {
    return byte < 0x80 ? byte : kHighHalf[byte - 0x80];
}

int cp1250ByteFor(char32_t cp) {
    if (cp < 0x80)
        return static_cast<int>(cp);
    if (cp > 0xFFFF)
        return -1;
    const auto& table = reverseTable();
    auto it = std::lower_bound(table.begin(), table.end(),
                               std::pair{static_cast<char16_t>(cp), static_cast<unsigned char>(0)});
    if (it != table.end() && it->first == cp)
        return it->second;
    return -1;
}

std::string cp1250ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        appendUtf8(out, cp1250ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || pos + length > text.size())
        return std::nullopt;
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (byte(pos + i) & 0x3F);
    }
    static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    pos += length;
    return cp;
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();)
        if (!decodeUtf8(text, pos))
            return false;
    return true;
}

std::string utf8ToCp1250(std::string_view utf8, const UnmappableWriter& unmappable) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        auto cp = decodeUtf8(utf8, pos);
        if (!cp) {
            // A byte that is not UTF-8 is taken as the windows-1250 byte it is.
            out += utf8[pos++];
            continue;
        }
        const int byte = cp1250ByteFor(*cp);
        if (byte >= 0)
            out += static_cast<char>(byte);
        else
            out += unmappable(*cp);
    }
    return out;
}

std::string htmlReference(char32_t cp) {
    return "&#" + std::to_string(static_cast<unsigned long>(cp)) + ";";
}

std::string cssEscape(char32_t cp) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string digits;
    for (char32_t v = cp; v != 0 || digits.empty(); v >>= 4)
        digits.insert(digits.begin(), kHex[v & 0xF]);
    return "\\" + digits + " ";
}

} // namespace vistarel
