#include "album/ExifPhotoData.h"

#include "album/FileDate.h"
#include "captions/PhotoCaption.h"
#include "exif/Exif.h"

namespace vistarel {

ExifPhotoData readExifPhotoData(const std::string& path, std::span<const std::uint8_t> bytes,
                                const CaptionSources& sources) {
    TExif exif;
    exif.ReadFromBytes(bytes);
    ExifPhotoData data;
    if (exif.ExifFound) {
        if (convertExifDateText(exif.DateTimeDigitized))
            data.dateText = exif.DateTimeDigitized;
        data.orientation = exif.Orientation == 0 ? 1 : exif.Orientation;
    }
    const std::string_view photo(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    PhotoCaption caption = readPhotoCaption(path, photo, exif, sources);
    data.caption = std::move(caption.text);
    data.warnings = std::move(caption.warnings);
    return data;
}

void stampFileDate(const std::string& albumPhotoPath, const std::string& dateText) {
    if (const auto fields = convertExifDateText(dateText))
        setLastWriteTime(albumPhotoPath, packFileDate(*fields));
}

} // namespace vistarel
