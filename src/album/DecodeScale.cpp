#include "album/DecodeScale.h"

#include <algorithm>
#include <array>

namespace vistarel {

namespace {

// What decoding a photo and drawing its pictures costs at each scale M/8, relative to 8/8,
// per stored pixel, as measured on a corpus of camera-like photos (imaging_bench
// --at-least M). libjpeg-turbo's IDCTs at 1/8, 2/8, 4/8 and 8/8 use SIMD, the others are
// plain C: at 6/8 and 7/8 that costs more than decoding the whole photo and drawing its
// pictures from the larger picture.
constexpr std::array<int, 9> kRelativeCost{0, 62, 66, 69, 73, 95, 104, 145, 100};

// libjpeg rounds a scaled side up.
long long scaledSide(int side, int eighths) {
    return (static_cast<long long>(side) * eighths + 7) / 8;
}

} // namespace

int smallestDecodeScale(int width, int height, const PictureSizes& sizes) {
    // Only the pictures the album keeps: the window's preview box, which depends on its
    // font, must not change the album's bytes.
    const long long minWidth = 2LL * std::max(sizes.photo.width, sizes.thumbnail.width);
    const long long minHeight = 2LL * std::max(sizes.photo.height, sizes.thumbnail.height);
    int smallest = 1;
    while (smallest < 8 &&
           (scaledSide(width, smallest) < minWidth || scaledSide(height, smallest) < minHeight))
        ++smallest;
    return smallest;
}

int decodeScale(int width, int height, const PictureSizes& sizes) {
    int cheapest = 8; // every larger scale than the smallest is good enough too
    for (int eighths = smallestDecodeScale(width, height, sizes); eighths < 8; ++eighths)
        if (kRelativeCost[eighths] < kRelativeCost[cheapest])
            cheapest = eighths;
    return cheapest;
}

} // namespace vistarel
