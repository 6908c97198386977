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

std::string escapeFileName(const std::string& fileName) {
    std::string out;
    out.reserve(fileName.size());
    for (std::size_t pos = 0; pos < fileName.size();) {
        if (appendScriptSafe(out, fileName, pos))
            continue;
        const char c = fileName[pos++];
        switch (c) {
        case '%':
            out += "%25";
            break;
        case '#':
            out += "%23";
            break;
        case '?':
            out += "%3F";
            break;
        case '\r':
            out += "%0D";
            break;
        case '\n':
            out += "%0A";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string photoLine(const PhotoRecord& record) {
    return "      loadPic('" + escapeFileName(record.fileName) + "' , " +
           std::to_string(record.thumbWidth) + " , " + std::to_string(record.thumbHeight) + " , " +
           std::to_string(record.photoWidth) + " , " + std::to_string(record.photoHeight) + " , '" +
           escapeCaption(record.caption) + "');";
}

} // namespace vistarel
