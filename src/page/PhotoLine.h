#pragma once

#include "state/AlbumState.h"

#include <string>

namespace vistarel {

// The viewer puts both texts into apostrophe-delimited script strings and from there into
// apostrophe-delimited HTML attributes. Text free of the characters these functions handle
// comes back unchanged.

// Caption: backslash, apostrophe, "</", "<!--" and "<script" made safe; every line break
// (CR LF, CR, LF) becomes "<br>". Other markup stays markup.
std::string escapeCaption(const std::string& caption);

// A caption read from EXIF is text: "&", "<" and ">" become references first, so the page
// shows it as written.
std::string escapeExifCaption(const std::string& caption);

// File name: as a caption, but without the line-break rule; "%", "#", "?", "&", "\",
// control characters and bytes that are not UTF-8 are percent-encoded, so the browser asks
// for the very file.
std::string escapeFileName(const std::string& fileName);

// One "loadPic(...)" row of the page for the record, UTF-8; the caption escaped as text
// or as markup by where it came from.
std::string photoLine(const PhotoRecord& record);

// The caption and the name as the page holds them, in windows-1250: the photo's own
// caption written as text, any other as markup.
std::string captionField(const PhotoRecord& record);
std::string photoCaptionField(const std::string& caption);
std::string fileNameField(const std::string& fileName);

} // namespace vistarel
