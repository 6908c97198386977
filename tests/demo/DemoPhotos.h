#pragma once

#include <string>
#include <vector>

namespace vistarel::testing {

// One synthetic photo of the demo set: size, EXIF date and caption.
struct DemoPhoto {
    std::string fileName;
    int width, height;
    std::string date;    // EXIF form, "" for none
    std::string caption; // UTF-8, "" for none
    bool unicodeComment; // stored as UTF-16 instead of ASCII-coded bytes
};

const std::vector<DemoPhoto>& demoPhotos();

// Writes the demo photos, scaled by scale (1.0 = their listed size), into folder.
void writeDemoPhotos(const std::string& folder, double scale = 1.0);

} // namespace vistarel::testing
