#pragma once

#include "state/AlbumState.h"

#include <string>

namespace vistarel {

// The viewer puts both texts into apostrophe-delimited script strings and from there into
// apostrophe-delimited HTML attributes. Text free of the characters these functions handle
// comes back unchanged.

// Caption: backslash, apostrophe and "</" made safe; every line break (CR LF, CR, LF)
// becomes "<br>". Other markup stays markup.
std::string escapeCaption(const std::string& caption);

// File name: as a caption, but without the line-break rule; the characters that would end
// or cut a URL short ("%", "#", "?", and line breaks) are percent-encoded.
std::string escapeFileName(const std::string& fileName);

// One "loadPic(...)" row of the page for the record, UTF-8.
std::string photoLine(const PhotoRecord& record);

} // namespace vistarel
