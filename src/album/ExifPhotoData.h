#pragma once

#include "common/CaptionSources.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vistarel {

// What the album takes from a photo's metadata and the files beside it, read in one pass
// over the photo's bytes (already in memory: the photo is read once; its segments up to the
// first scan are enough).
struct ExifPhotoData {
    std::string dateText; // the date of digitising when it converts, else ""
    std::string caption;  // the photo's own caption (see readPhotoCaption), UTF-8, or ""
    int orientation = 1;  // how the stored pixels are to be turned upright (1 to 8)
    std::vector<std::string> warnings; // what was left unread, each naming its file
};
ExifPhotoData readExifPhotoData(const std::string& path, std::span<const std::uint8_t> bytes,
                                const CaptionSources& sources);

// Sets the album photo's last-write time from the EXIF date text; silent when there is no
// usable date or the file cannot be stamped.
void stampFileDate(const std::string& albumPhotoPath, const std::string& dateText);

} // namespace vistarel
