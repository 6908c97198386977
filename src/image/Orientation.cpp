#include "image/Orientation.h"

#include <utility>

namespace vistarel {

bool isTurned(int orientation) {
    return orientation >= 2 && orientation <= 8;
}

bool swapsSides(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

namespace {

// Where the upright pixel (u, v) lies in the stored picture of width w and height h.
struct StoredPosition {
    int x, y;
};

StoredPosition storedPosition(int orientation, int u, int v, int w, int h) {
    switch (orientation) {
    case 2: // mirrored left to right
        return {w - 1 - u, v};
    case 3: // turned half round
        return {w - 1 - u, h - 1 - v};
    case 4: // mirrored top to bottom
        return {u, h - 1 - v};
    case 5: // mirrored along the main diagonal
        return {v, u};
    case 6: // to be turned a quarter clockwise
        return {v, h - 1 - u};
    case 7: // mirrored along the other diagonal
        return {w - 1 - v, h - 1 - u};
    case 8: // to be turned a quarter anticlockwise
        return {w - 1 - v, u};
    default:
        return {u, v};
    }
}

} // namespace

void turnUpright(Raster& picture, int orientation, Raster& scratch) {
    if (!isTurned(orientation))
        return;
    const int w = picture.width, h = picture.height;
    if (swapsSides(orientation))
        scratch.resize(h, w);
    else
        scratch.resize(w, h);
    for (int v = 0; v < scratch.height; ++v) {
        std::uint8_t* out = scratch.row(v);
        for (int u = 0; u < scratch.width; ++u, out += 3) {
            const auto [x, y] = storedPosition(orientation, u, v, w, h);
            const std::uint8_t* in = picture.row(y) + static_cast<std::size_t>(x) * 3;
            out[0] = in[0];
            out[1] = in[1];
            out[2] = in[2];
        }
    }
    std::swap(picture, scratch);
}

} // namespace vistarel
