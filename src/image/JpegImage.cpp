#include "image/JpegImage.h"

namespace vistarel {

void JpegImage::loadFromFile(const std::string& path, const DecodeOptions& options) {
    try {
        decoded_ = decodeJpegFile(path, picture_, options);
    } catch (...) {
        picture_ = Raster();
        throw;
    }
}

} // namespace vistarel
