#include "image/JpegImage.h"

namespace vistarel {

void JpegImage::load(std::span<const std::uint8_t> bytes, const std::string& name,
                     const DecodeOptions& options) {
    try {
        decoded_ = decodeJpeg(bytes, name, picture_, options);
    } catch (...) {
        picture_ = Raster();
        throw;
    }
}

void JpegImage::loadFromFile(const std::string& path, const DecodeOptions& options) {
    FileBytes file;
    try {
        readInputFile(path, file);
    } catch (...) {
        picture_ = Raster();
        throw;
    }
    load(file.bytes(), path, options);
}

} // namespace vistarel
