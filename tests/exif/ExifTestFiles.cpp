#include "ExifTestFiles.h"

#include "common/FileSystem.h"

#include "TempFolder.h"

#include <filesystem>

namespace vistarel::testing {

TExif readExifBytes(const std::string& bytes) {
    TempFolder dir;
    writeFileBytes(dir.file("photo.jpg"), bytes);
    TExif exif;
    exif.ReadFromFile(dir.file("photo.jpg"));
    return exif;
}

std::string fileWithBlock(const TiffBlockBuilder& block) {
    return jpegFile({exifSegment(block.build())});
}

int openFileCount() {
    const std::filesystem::directory_iterator fds("/proc/self/fd");
    return static_cast<int>(std::distance(begin(fds), end(fds)));
}

} // namespace vistarel::testing
