#include "album/DecodeScale.h"

#include <algorithm>

namespace vistarel {

namespace {

// libjpeg rounds a scaled side up.
long long scaledSide(int side, int eighths) {
    return (static_cast<long long>(side) * eighths + 7) / 8;
}

} // namespace

int decodeScale(int width, int height, const PictureSizes& sizes) {
    const long long minWidth =
        2LL * std::max({sizes.photo.width, sizes.thumbnail.width, sizes.preview.width});
    const long long minHeight =
        2LL * std::max({sizes.photo.height, sizes.thumbnail.height, sizes.preview.height});
    for (int eighths = 1; eighths < 8; ++eighths)
        if (scaledSide(width, eighths) >= minWidth && scaledSide(height, eighths) >= minHeight)
            return eighths;
    return 8;
}

} // namespace vistarel
