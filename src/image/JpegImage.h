#pragma once

#include "image/JpegDecoder.h"
#include "image/Raster.h"

#include <string>

namespace vistarel {

// A photo read from a JPEG file and decoded to 24-bit RGB at the decoder's best quality,
// at full size or at a scale chosen from the photo's size.
class JpegImage {
public:
    const Raster& picture() const { return picture_; }
    int width() const { return picture_.width; }
    int height() const { return picture_.height; }
    bool empty() const { return picture_.pixels.empty(); }
    const PhotoScale& scale() const { return scale_; }

    // Decodes at full size unless choose picks a smaller scale; the buffer is reused from
    // the photo decoded before.
    void loadFromFile(const std::string& path, const DecodeScaleChoice& choose = {});

private:
    Raster picture_;
    PhotoScale scale_;
};

} // namespace vistarel
