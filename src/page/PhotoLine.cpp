#include "page/PhotoLine.h"

#include "common/Cp1250.h"

#include <algorithm>
#include <cctype>

namespace vistarel {
namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
               return a == std::tolower(static_cast<unsigned char>(b));
           });
}

// "<!--" and "<script" inside a script would change how the browser finds the element's end
// (and "</script" would end it): such a "<" is written as the script escape "\x3C".
bool opensScriptMarkup(std::string_view rest) {
    return rest.starts_with("<!--") || startsWithIgnoringCase(rest, "<script");
}

// The rules the two texts share. Returns false when the character at pos is not one of
// them. "&#39;" rather than "\'" because the script hands the text on into attributes.
bool appendScriptSafe(std::string& out, const std::string& text, std::size_t& pos) {
    const char c = text[pos];
    if (c == '\\') {
        out += "\\\\";
    } else if (c == '\'') {
        out += "&#39;";
    } else if (c == '<' && pos + 1 < text.size() && text[pos + 1] == '/') {
        out += "<\\/"; // the text must not close the script element
        ++pos;
    } else if (c == '<' && opensScriptMarkup(std::string_view(text).substr(pos))) {
        out += "\\x3C";
    } else {
        return false;
    }
    ++pos;
    return true;
}

// What would end or cut the URL short ("%", "#", "?"), what the HTML parser reads as a
// character reference ("&"), what the URL parser reads as "/" ("\\"), and control
// characters, which it drops.
bool needsPercent(unsigned char c) {
    return c == '%' || c == '#' || c == '?' || c == '&' || c == '\\' || c < 0x20 || c == 0x7F;
}

} // namespace

std::string escapeCaption(const std::string& caption) {
    std::string out;
    out.reserve(caption.size());
    for (std::size_t pos = 0; pos < caption.size();) {
        if (appendScriptSafe(out, caption, pos))
            continue;
        const char c = caption[pos++];
        if (c == '\r' || c == '\n') {
            out += "<br>";
            if (c == '\r' && pos < caption.size() && caption[pos] == '\n')
                ++pos;
        } else {
            out += c;
        }
    }
    return out;
}

std::string escapeExifCaption(const std::string& caption) {
    std::string text;
    text.reserve(caption.size());
    for (const char c : caption) {
        if (c == '&')
            text += "&amp;";
        else if (c == '<')
            text += "&lt;";
        else if (c == '>')
            text += "&gt;";
        else
            text += c;
    }
    return escapeCaption(text);
}

std::string escapeFileName(const std::string& fileName) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(fileName.size());
    for (std::size_t pos = 0; pos < fileName.size();) {
        const auto c = static_cast<unsigned char>(fileName[pos]);
        std::size_t end = pos;
        if (c >= 0x80 && decodeUtf8(fileName, end)) {
            out.append(fileName, pos, end - pos);
            pos = end;
        } else if (needsPercent(c) || c >= 0x80) {
            // A byte that is no UTF-8 would be read as a windows-1250 letter and asked for
            // in UTF-8; "%FF" names the very byte.
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
            ++pos;
        } else if (!appendScriptSafe(out, fileName, pos)) {
            out += fileName[pos++];
        }
    }
    return out;
}

std::string captionField(const PhotoRecord& record) {
    return utf8ToCp1250(record.captionOrigin == CaptionOrigin::Photo
                            ? escapeExifCaption(record.caption)
                            : escapeCaption(record.caption),
                        htmlReference);
}

std::string photoCaptionField(const std::string& caption) {
    return utf8ToCp1250(escapeExifCaption(caption), htmlReference);
}

std::string fileNameField(const std::string& fileName) {
    return utf8ToCp1250(escapeFileName(fileName), htmlReference);
}

std::string photoLine(const PhotoRecord& record) {
    return "      loadPic('" + escapeFileName(record.fileName) + "' , " +
           std::to_string(record.thumbWidth) + " , " + std::to_string(record.thumbHeight) + " , " +
           std::to_string(record.photoWidth) + " , " + std::to_string(record.photoHeight) + " , '" +
           (record.captionOrigin == CaptionOrigin::Photo ? escapeExifCaption(record.caption)
                                                         : escapeCaption(record.caption)) +
           "');";
}

} // namespace vistarel
