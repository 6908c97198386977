#include "page/AlbumPageReader.h"

#include "common/Cp1250.h"
#include "common/FileSystem.h"
#include "common/InputFile.h"
#include "page/AlbumPageTemplate.h"
#include "page/AlbumPageWriter.h"

#include <algorithm>
#include <charconv>

namespace vistarel {
namespace {

constexpr std::string_view kLineStart = "      loadPic('";
constexpr std::string_view kLineEnd = "');";
// A page larger than this is no page of ours (some hundred bytes a photo).
constexpr std::size_t kLargestPage = 256 * 1024 * 1024;

// Takes the text up to sep (which must follow) off the front of rest.
std::optional<std::string_view> takeUntil(std::string_view& rest, std::string_view sep) {
    const auto at = rest.find(sep);
    if (at == std::string_view::npos)
        return std::nullopt;
    const auto taken = rest.substr(0, at);
    rest.remove_prefix(at + sep.size());
    return taken;
}

bool takeNumber(std::string_view& rest, std::string_view sep, int& value) {
    const auto text = takeUntil(rest, sep);
    if (!text)
        return false;
    const auto [ptr, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
    return ec == std::errc() && ptr == text->data() + text->size() &&
           std::to_string(value) == *text;
}

// "&#8364;"-style, as the page writes a character windows-1250 lacks: the decimal number
// without leading zeros. The length of the reference, 0 when there is none at pos.
std::size_t numericReference(std::string_view text, std::size_t pos, char32_t& codePoint) {
    if (!text.substr(pos).starts_with("&#"))
        return 0;
    const std::size_t digits = pos + 2;
    std::uint32_t value = 0;
    const auto [ptr, ec] = std::from_chars(text.data() + digits, text.data() + text.size(), value);
    const std::size_t end = static_cast<std::size_t>(ptr - text.data());
    if (ec != std::errc() || end >= text.size() || text[end] != ';' || text[digits] == '0' ||
        value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF) || cp1250ByteFor(value) >= 0)
        return 0;
    codePoint = value;
    return end + 1 - pos;
}

// The escapes of the caption writer, longest first where they share a start.
constexpr std::pair<std::string_view, std::string_view> kEscapes[] = {
    {"\\\\", "\\"}, {"\\x3C", "<"}, {"&#39;", "'"}, {"<\\/", "</"}, {"<br>", "\r\n"}};

// The rows of an album page around its photo lines, with the album name's two rows as the
// text before and after the name.
struct PageFrame {
    std::vector<std::string> rows;
    std::vector<bool> holdsName;

    PageFrame() {
        constexpr char kMarker = '\x01';
        rows = composeAlbumPage(std::string(1, kMarker), {});
        for (const std::string& row : rows)
            holdsName.push_back(row.find(kMarker) != std::string::npos);
    }
    bool matches(std::size_t index, std::string_view row) const {
        const std::string& expected = rows[index];
        if (!holdsName[index])
            return row == expected;
        const auto marker = expected.find('\x01');
        const auto before = std::string_view(expected).substr(0, marker);
        const auto after = std::string_view(expected).substr(marker + 1);
        return row.size() >= before.size() + after.size() && row.starts_with(before) &&
               row.ends_with(after);
    }
};

} // namespace

std::optional<PagePhotoLine> parsePhotoLine(std::string_view row) {
    // The start and the end must not overlap: "      loadPic(');" is no line.
    if (row.size() < kLineStart.size() + kLineEnd.size() || !row.starts_with(kLineStart) ||
        !row.ends_with(kLineEnd))
        return std::nullopt;
    std::string_view rest = row.substr(kLineStart.size());
    rest.remove_suffix(kLineEnd.size());
    PagePhotoLine line;
    const auto name = takeUntil(rest, "' , ");
    if (!name || name->find('\'') != std::string_view::npos ||
        !takeNumber(rest, " , ", line.thumbWidth) || !takeNumber(rest, " , ", line.thumbHeight) ||
        !takeNumber(rest, " , ", line.photoWidth) || !takeNumber(rest, " , '", line.photoHeight) ||
        rest.find('\'') != std::string_view::npos)
        return std::nullopt;
    line.fileNameField = std::string(*name);
    line.captionField = std::string(rest);
    return line;
}

std::string captionFromField(std::string_view field) {
    const std::string text = cp1250ToUtf8(field);
    std::string caption;
    for (std::size_t pos = 0; pos < text.size();) {
        const auto rest = std::string_view(text).substr(pos);
        const auto escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                         [&](const auto& e) { return rest.starts_with(e.first); });
        char32_t codePoint = 0;
        if (escape != std::end(kEscapes)) {
            caption += escape->second;
            pos += escape->first.size();
        } else if (const std::size_t length = numericReference(text, pos, codePoint)) {
            appendUtf8(caption, codePoint);
            pos += length;
        } else {
            caption += text[pos++];
        }
    }
    return caption;
}

std::optional<std::vector<PagePhotoLine>> readAlbumPage(const std::string& path) {
    std::vector<std::string> rows;
    try {
        FileBytes page;
        readInputFile(path, page, kLargestPage);
        rows = splitTextLines(page.text());
    } catch (const std::exception&) {
        return std::nullopt; // missing, not a file, too large: no page of ours
    }
    static const PageFrame frame;
    const std::size_t first = firstPhotoRow();
    if (rows.size() < frame.rows.size())
        return std::nullopt;
    const std::size_t photoRows = rows.size() - frame.rows.size();
    for (std::size_t i = 0; i < frame.rows.size(); ++i)
        if (!frame.matches(i, rows[i < first ? i : i + photoRows]))
            return std::nullopt;
    std::vector<PagePhotoLine> lines;
    for (std::size_t i = first; i < first + photoRows; ++i)
        if (auto line = parsePhotoLine(rows[i]))
            lines.push_back(std::move(*line));
    return lines;
}

} // namespace vistarel
