#pragma once

#include <cstdint>
#include <vector>

namespace vistarel {

// An in-memory 24-bit picture: rows of R, G, B bytes, top row first, no padding.
struct Raster {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // width * height * 3 bytes

    void resize(int newWidth, int newHeight) {
        width = newWidth;
        height = newHeight;
        pixels.resize(static_cast<std::size_t>(width) * height * 3);
    }
    std::uint8_t* row(int y) { return pixels.data() + static_cast<std::size_t>(y) * width * 3; }
    const std::uint8_t* row(int y) const {
        return pixels.data() + static_cast<std::size_t>(y) * width * 3;
    }
};

// Where a decoded picture lies on the photo it shows. A decode at the scale M/8 makes M pixels
// of every 8 x 8 block, each 8/M photo pixels wide, and rounds their count up: the last column
// and row of the picture can reach past the photo's edge.
struct PhotoScale {
    int photoWidth = 0; // the photo's stored size; 0 when the picture is the photo itself
    int photoHeight = 0;
    int eighths = 8;
};

} // namespace vistarel
