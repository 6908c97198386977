#include "DemoPhotos.h"

#include "common/Cp1250.h"

#include "ExifBytes.h"
#include "TestPhotos.h"

#include <algorithm>
#include <cmath>

namespace vistarel::testing {

const std::vector<DemoPhoto>& demoPhotos() {
    static const std::vector<DemoPhoto> photos = {
        {"01_snezka.jpg", 2400, 1600, "2023:07:14 09:12:31", "Výlet na Sněžku", false},
        {"02_vltava.jpg", 1600, 2400, "2023:07:14 19:45:02", "Západ slunce nad Vltavou", true},
        {"03_trh.JPG", 2048, 1152, "2023:08:02 11:03:44", "Trh na náměstí,\r\npátek ráno", false},
        {"04_kocka.jpg", 1200, 1200, "2023:09:21 16:20:10", "Mourek – „náš“ kocour", true},
        {"05_les.jpg", 1600, 1200, "2023:10:05 08:00:00", "", false},
        {"06_most.jpg", 1280, 960, "", "Karlův most v mlze", false},
        {"07_hory.jpg", 3000, 1000, "2024:01:02 12:00:00", "Panorama Krkonoš", false},
        {"08_detail.jpg", 640, 480, "2024:02:29 23:59:59", "Detail – 50 × 40 mm", false},
    };
    return photos;
}

void writeDemoPhotos(const std::string& folder, double scale) {
    unsigned seed = 7;
    for (const DemoPhoto& photo : demoPhotos()) {
        PhotoExif exif;
        exif.make = "Vistarel";
        exif.model = "Demo";
        exif.dateTimeDigitized = photo.date;
        exif.dateTimeOriginal = photo.date;
        std::u16string utf16; // the demo texts stay in the basic plane
        for (std::size_t i = 0; i < photo.caption.size();)
            utf16 += static_cast<char16_t>(decodeUtf8(photo.caption, i).value());
        if (!photo.caption.empty()) {
            exif.userCommentCode = photo.unicodeComment ? "UNICODE" : "ASCII";
            exif.userComment = photo.unicodeComment ? utf16Bytes(utf16, exif.order) : photo.caption;
        }
        TestPhotoOptions options;
        options.seed = seed++;
        const std::string payload = exifPayload(exif);
        options.segments.push_back({0xE1, {payload.begin(), payload.end()}});
        const int width = std::max(1, static_cast<int>(std::lround(photo.width * scale)));
        const int height = std::max(1, static_cast<int>(std::lround(photo.height * scale)));
        writeTestJpeg(folder + photo.fileName, width, height, options);
    }
}

} // namespace vistarel::testing
