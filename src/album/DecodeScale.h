#pragma once

#include "album/ImageScaling.h"

namespace vistarel {

// The scale M/8 (M from 1 to 8) to decode a photo stored as width x height at, so that its
// album photo and thumbnail still come out as good as from the full-size photo (the preview
// is left out: its size must not shape the album): a scale whose decoded picture is at
// least twice both of them in both dimensions, so that
// each picture pixel averages two or more decoded pixels each way; of those, the one that
// costs least to decode and draw from (the smallest, but 8/8 rather than 6/8 or 7/8).
// 8, full size, when no smaller scale will do (large pictures, or enlarging).
int decodeScale(int width, int height, const PictureSizes& sizes);
// The smallest of those scales, whatever it costs.
int smallestDecodeScale(int width, int height, const PictureSizes& sizes);

} // namespace vistarel
