#include "image/JpegImage.h"

#include "image/JpegDecoder.h"

namespace vistarel {

void JpegImage::loadFromFile(const std::string& path) {
    try {
        decodeJpegFile(path, picture_);
    } catch (...) {
        picture_ = Raster();
        throw;
    }
}

} // namespace vistarel
