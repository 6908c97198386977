#pragma once

#include "image/Raster.h"

#include <string>

namespace vistarel {

// A JPEG picture: loaded and decoded from a file, or given a picture, and saved at a
// quality (0-100, default 90).
class JpegImage {
public:
    int quality() const { return quality_; }
    void setQuality(int quality) { quality_ = quality; }

    const Raster& picture() const { return picture_; }
    int width() const { return picture_.width; }
    int height() const { return picture_.height; }
    bool empty() const { return picture_.pixels.empty(); }

    void loadFromFile(const std::string& path); // decodes at full size
    void assign(const Raster& picture);
    void saveToFile(const std::string& path) const;

private:
    Raster picture_;
    int quality_ = 90;
};

} // namespace vistarel
