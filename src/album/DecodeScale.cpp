#include "album/DecodeScale.h"

#include <algorithm>

namespace vistarel {

namespace {

// The resampler's limit for pictures drawn from a photo decoded smaller.
constexpr int kLargestFromScaled = 8191;

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
    if (minHeight > 2 * kLargestFromScaled)
        return 8;
    for (int eighths = 1; eighths < 8; ++eighths)
        if (scaledSide(width, eighths) >= minWidth && scaledSide(height, eighths) >= minHeight)
            return eighths;
    return 8;
}

} // namespace vistarel
