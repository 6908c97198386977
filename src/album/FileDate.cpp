#include "album/FileDate.h"

#include <cerrno>
#include <charconv>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace vistarel {
namespace {

// Splits text at sep into unsigned decimal numbers; nothing when a piece is not one.
std::optional<std::vector<int>> numbers(std::string_view text, char sep) {
    std::vector<int> out;
    for (;;) {
        const auto end = text.find(sep);
        const auto piece = text.substr(0, end);
        int value = 0;
        const auto [ptr, ec] = std::from_chars(piece.data(), piece.data() + piece.size(), value);
        if (piece.empty() || ec != std::errc() || ptr != piece.data() + piece.size() || value < 0)
            return std::nullopt;
        out.push_back(value);
        if (end == std::string_view::npos)
            return out;
        text.remove_prefix(end + 1);
    }
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

} // namespace

std::optional<DateTimeFields> convertExifDateText(const std::string& text) {
    const auto blank = text.find(' ');
    if (blank == std::string::npos)
        return std::nullopt;
    std::string datePart = text.substr(0, blank);
    for (char& c : datePart)
        if (c == ':')
            c = '.';
    const auto date = numbers(datePart, '.');
    const auto time = numbers(std::string_view(text).substr(blank + 1), ':');
    if (!date || !time || date->size() != 3 || time->size() != 3)
        return std::nullopt;
    DateTimeFields f{(*date)[0], (*date)[1], (*date)[2], (*time)[0], (*time)[1], (*time)[2]};
    if (f.year < 1 || f.year > 9999 || f.month < 1 || f.month > 12 || f.day < 1 ||
        f.day > daysInMonth(f.year, f.month))
        return std::nullopt;
    if (f.hour > 23 || f.minute > 59 || f.second > 59)
        return std::nullopt;
    return f;
}

FileDate packFileDate(const DateTimeFields& f) {
    if (f.year < 1980 || f.year > 2107)
        return {};
    return {static_cast<std::uint16_t>((f.year - 1980) * 512 + f.month * 32 + f.day),
            static_cast<std::uint16_t>(f.hour * 2048 + f.minute * 32 + f.second / 2)};
}

DateTimeFields unpackFileDate(FileDate packed) {
    return {1980 + (packed.date >> 9), (packed.date >> 5) & 0xF,  packed.date & 0x1F,
            packed.time >> 11,         (packed.time >> 5) & 0x3F, (packed.time & 0x1F) * 2};
}

bool setLastWriteTime(const std::string& path, FileDate packed) {
    if (!packed.valid())
        return false;
    const DateTimeFields f = unpackFileDate(packed);
    std::tm local{};
    local.tm_year = f.year - 1900;
    local.tm_mon = f.month - 1;
    local.tm_mday = f.day;
    local.tm_hour = f.hour;
    local.tm_min = f.minute;
    local.tm_sec = f.second;
    local.tm_isdst = -1; // the offset in force on the photo's own date
    const std::time_t utc = std::mktime(&local);
    if (utc == static_cast<std::time_t>(-1))
        return false;

    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const timespec times[2] = {{0, UTIME_OMIT}, {utc, 0}};
    const bool stamped = ::futimens(fd, times) == 0;
    ::close(fd);
    return stamped;
}

} // namespace vistarel
