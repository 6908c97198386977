#include "page/PhotoLine.h"

namespace vistarel {
namespace {

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
        if (needsPercent(c)) {
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

std::string photoLine(const PhotoRecord& record) {
    return "      loadPic('" + escapeFileName(record.fileName) + "' , " +
           std::to_string(record.thumbWidth) + " , " + std::to_string(record.thumbHeight) + " , " +
           std::to_string(record.photoWidth) + " , " + std::to_string(record.photoHeight) + " , '" +
           (record.captionFromExif ? escapeExifCaption(record.caption)
                                   : escapeCaption(record.caption)) +
           "');";
}

} // namespace vistarel
