#include "album/ExifPhotoData.h"

#include "album/FileDate.h"
#include "common/Cp1250.h"
#include "exif/Exif.h"

namespace vistarel {
namespace {

std::string utf16ToUtf8(const std::string& bytes, bool bigEndian) {
    std::size_t pos = 0;
    const auto unit = [&](std::size_t at) {
        const auto hi = static_cast<unsigned char>(bytes[at + (bigEndian ? 0 : 1)]);
        const auto lo = static_cast<unsigned char>(bytes[at + (bigEndian ? 1 : 0)]);
        return static_cast<char16_t>(hi << 8 | lo);
    };
    if (bytes.size() >= 2) {
        const auto b0 = static_cast<unsigned char>(bytes[0]);
        const auto b1 = static_cast<unsigned char>(bytes[1]);
        if ((b0 == 0xFE && b1 == 0xFF) || (b0 == 0xFF && b1 == 0xFE)) {
            bigEndian = b0 == 0xFE;
            pos = 2;
        }
    }
    std::string out;
    for (; pos + 1 < bytes.size(); pos += 2) {
        char32_t cp = unit(pos);
        if (cp >= 0xD800 && cp <= 0xDBFF && pos + 3 < bytes.size()) {
            const char16_t low = unit(pos + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                pos += 2;
            }
        }
        if (cp >= 0xD800 && cp <= 0xDFFF)
            cp = 0xFFFD; // a lone surrogate
        if (cp != 0)
            appendUtf8(out, cp);
    }
    return out;
}

} // namespace

std::string decodeUserComment(const std::string& bytes, const std::string& code, bool bigEndian) {
    if (code == "UNICODE")
        return utf16ToUtf8(bytes, bigEndian);
    return isValidUtf8(bytes) ? bytes : cp1250ToUtf8(bytes);
}

ExifPhotoData readExifPhotoData([[maybe_unused]] const std::string& path,
                                std::span<const std::uint8_t> bytes) {
    TExif exif;
    exif.ReadFromBytes(bytes);
    ExifPhotoData data;
    if (!exif.ExifFound)
        return data;
    if (convertExifDateText(exif.DateTimeDigitized))
        data.dateText = exif.DateTimeDigitized;
    data.caption =
        decodeUserComment(exif.UserComment, exif.UserCommentCode, exif.IsMotorolaOrder());
    data.orientation = exif.Orientation;
    return data;
}

void stampFileDate(const std::string& albumPhotoPath, const std::string& dateText) {
    if (const auto fields = convertExifDateText(dateText))
        setLastWriteTime(albumPhotoPath, packFileDate(*fields));
}

} // namespace vistarel
