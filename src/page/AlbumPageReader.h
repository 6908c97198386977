#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistarel {

// One photo line of a page, its two texts as the page holds them (windows-1250, escaped).
struct PagePhotoLine {
    std::string fileNameField;
    int thumbWidth = 0, thumbHeight = 0, photoWidth = 0, photoHeight = 0;
    std::string captionField;
};

// The photo line in a row of the page; none when the row is not a whole photo line.
std::optional<PagePhotoLine> parsePhotoLine(std::string_view row);

// The caption (UTF-8) that a page writes as this field again when written as the user's:
// windows-1250 and the script and line-break escapes undone, and numeric references to
// characters windows-1250 lacks turned back into them.
std::string captionFromField(std::string_view field);

// The photo lines of the page at path when it is an album page this program wrote, whole;
// none when it is missing, not ours, damaged or cut short. A row among the photo lines that
// is not one (an edit gone wrong) is left out.
std::optional<std::vector<PagePhotoLine>> readAlbumPage(const std::string& path);

} // namespace vistarel
