#include "captions/SidecarText.h"

#include "common/Cp1250.h"
#include "common/Utf16.h"
#include "exif/ExifText.h"

namespace vistarel {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string decoded(std::string_view bytes) {
    if (startsWithUtf16Mark(bytes))
        return utf16ToUtf8(bytes, false);
    if (bytes.starts_with(kUtf8Mark))
        bytes.remove_prefix(kUtf8Mark.size());
    return isValidUtf8(bytes) ? std::string(bytes) : cp1250ToUtf8(bytes);
}

std::string withCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c != '\r' && c != '\n') {
            out += c;
            continue;
        }
        out += "\r\n";
        if (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
            ++pos;
    }
    return out;
}

} // namespace

std::string sidecarCaption(std::string_view bytes) {
    return trimmedText(withCrLf(decoded(bytes)));
}

} // namespace vistarel
