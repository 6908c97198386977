#pragma once

#include "image/Raster.h"

#include <string>

namespace vistarel {

// A photo read from a JPEG file and decoded to 24-bit RGB at the decoder's best quality.
class JpegImage {
public:
    const Raster& picture() const { return picture_; }
    int width() const { return picture_.width; }
    int height() const { return picture_.height; }
    bool empty() const { return picture_.pixels.empty(); }

    // Decodes at full size; the buffer is reused from the photo decoded before.
    void loadFromFile(const std::string& path);

private:
    Raster picture_;
};

} // namespace vistarel
