#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vistarel {

struct DateTimeFields {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// The packed local date and time set on album photos, in 2-second steps, for the years
// 1980 to 2107; 0 is no valid date.
struct FileDate {
    std::uint16_t date = 0; // (year - 1980) * 512 + month * 32 + day
    std::uint16_t time = 0; // hours * 2048 + minutes * 32 + seconds / 2
    bool valid() const { return date != 0 || time != 0; }
};

// Reads an EXIF date ("2005:07:14 12:34:56"): the colons of the date part become dots and
// the text must then be a real calendar day and a time within the day.
std::optional<DateTimeFields> convertExifDateText(const std::string& text);

FileDate packFileDate(const DateTimeFields& fields); // zero outside 1980..2107
DateTimeFields unpackFileDate(FileDate packed);

// Sets the last-write time of path to the packed local time; false when it could not.
bool setLastWriteTime(const std::string& path, FileDate packed);

} // namespace vistarel
