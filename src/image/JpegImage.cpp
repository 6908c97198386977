#include "image/JpegImage.h"

#include "image/JpegDecoder.h"
#include "image/JpegEncoder.h"

namespace vistarel {

void JpegImage::loadFromFile(const std::string& path) {
    try {
        decodeJpegFile(path, picture_);
    } catch (...) {
        picture_ = Raster();
        throw;
    }
}

void JpegImage::assign(const Raster& picture) {
    picture_ = picture;
}

void JpegImage::saveToFile(const std::string& path) const {
    encodeJpegFile(picture_, quality_, path);
}

} // namespace vistarel
