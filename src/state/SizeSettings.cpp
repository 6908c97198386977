#include "state/SizeSettings.h"

#include "common/HexDigit.h"
#include "common/Messages.h"

#include <cstdint>
#include <limits>

namespace vistarel {
namespace {

// Sizes beyond this give no useful picture and would exhaust memory.
constexpr int kLargestSize = 16384;

// The integer conversion users of such size fields expect: leading blanks, a sign, a "$"
// or "0x" prefix for hexadecimal, digits and nothing after them, within 32 bits.
std::optional<int> parseInteger(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    int base = 10;
    if (pos < text.size() && text[pos] == '$') {
        base = 16;
        ++pos;
    } else if (text.substr(pos, 2) == "0x" || text.substr(pos, 2) == "0X") {
        base = 16;
        pos += 2;
    }
    if (pos == text.size())
        return std::nullopt;
    const std::int64_t limit = std::int64_t{std::numeric_limits<int>::max()} + (negative ? 1 : 0);
    std::int64_t value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = hexDigitValue(text[pos]);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -value : value);
}

std::optional<int> usableSize(const std::string& text) {
    const auto size = parseSizeText(text);
    if (!size || *size <= 0 || *size > kLargestSize)
        return std::nullopt;
    return size;
}

} // namespace

std::optional<int> parseSizeText(const std::string& text) {
    const auto x = text.find('x');
    if (x == std::string::npos)
        return std::nullopt;
    const auto first = parseInteger(std::string_view(text).substr(0, x));
    const auto second = parseInteger(std::string_view(text).substr(x + 1));
    if (!first || !second)
        return std::nullopt;
    return std::max(*first, *second);
}

bool readSizeSettings(AlbumState& state, const AlbumSettings& settings, FrontEnd& frontEnd) {
    state.previewWidth = settings.previewWidth;
    state.previewHeight = settings.previewHeight;
    if (const auto thumb = usableSize(settings.thumbSizeText)) {
        state.thumbSize = *thumb;
        if (const auto photo = usableSize(settings.photoSizeText)) {
            state.photoSize = *photo;
            return true;
        }
    }
    showWarning(frontEnd, "Špatně vyplněné rozlišení!");
    return false;
}

} // namespace vistarel
