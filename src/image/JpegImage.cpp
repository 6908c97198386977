#include "image/JpegImage.h"

namespace vistarel {

void JpegImage::loadFromFile(const std::string& path, const DecodeScaleChoice& choose) {
    try {
        scale_ = decodeJpegFile(path, picture_, choose);
    } catch (...) {
        picture_ = Raster();
        throw;
    }
}

} // namespace vistarel
