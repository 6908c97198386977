#include "styles/HtmlColor.h"

#include "common/Cp1250.h"
#include "common/HexDigit.h"
#include "common/Messages.h"

namespace vistarel {
namespace {

// Where the second character starts. The first one may be any character, also one that
// takes several bytes in UTF-8.
std::size_t afterFirstCharacter(const std::string& text) {
    std::size_t pos = 0;
    if (!decodeUtf8(text, pos))
        pos = 1;
    return pos;
}

} // namespace

std::string ColorToHtml(std::uint32_t colour) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string text = "#";
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned byte = (colour >> shift) & 0xFF;
        text += kHex[byte >> 4];
        text += kHex[byte & 0xF];
    }
    return text;
}

std::optional<std::uint32_t> parseHtmlColor(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    const std::size_t start = afterFirstCharacter(text);
    if (text.size() < start + 6)
        return std::nullopt;
    std::uint32_t colour = 0;
    for (int pair = 0; pair < 3; ++pair) {
        const int high = hexDigitValue(text[start + 2 * pair]);
        const int low = hexDigitValue(text[start + 2 * pair + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        colour |= static_cast<std::uint32_t>(high * 16 + low) << (8 * pair);
    }
    return colour;
}

std::uint32_t HtmlToColor(std::string& text, FrontEnd& frontEnd) {
    if (const auto colour = parseHtmlColor(text))
        return *colour;
    showWarning(frontEnd, "Neplatný tvar barvy!");
    text = "#000000";
    return 0;
}

} // namespace vistarel
