#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vistarel {

// What the album takes from a photo's EXIF block, read in one pass over the file's bytes
// (already in memory: the photo is read once).
struct ExifPhotoData {
    std::string dateText; // the date of digitising when it converts, else ""
    std::string caption;  // the user comment as text (UTF-8), "" without one
    int orientation = 1;  // how the stored pixels are to be turned upright (1 to 8)
};
ExifPhotoData readExifPhotoData(const std::string& path, std::span<const std::uint8_t> bytes);

// Sets the album photo's last-write time from the EXIF date text; silent when there is no
// usable date or the file cannot be stamped.
void stampFileDate(const std::string& albumPhotoPath, const std::string& dateText);

// Turns stored comment bytes into text: UNICODE as UTF-16 (a byte-order mark wins over
// the block's order), anything else as UTF-8 when valid, else windows-1250.
std::string decodeUserComment(const std::string& bytes, const std::string& code, bool bigEndian);

} // namespace vistarel
