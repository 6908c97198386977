#pragma once

#include "common/AlbumSettings.h"

#include <string>

namespace vistarel {

// The EXIF date of digitising when it converts, else "".
std::string exifDateText(const std::string& path);

// The photo's EXIF user comment as caption text (UTF-8), "" without one.
std::string exifCaption(const std::string& path);

// Sets the album photo's last-write time from its input photo's EXIF date; silent when
// there is no usable date or the file cannot be stamped.
void stampFileDate(const std::string& fileName, const AlbumSettings& settings);

// Turns stored comment bytes into text: UNICODE as UTF-16 (a byte-order mark wins over
// the block's order), anything else as UTF-8 when valid, else windows-1250.
std::string decodeUserComment(const std::string& bytes, const std::string& code, bool bigEndian);

} // namespace vistarel
