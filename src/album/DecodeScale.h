#pragma once

#include "album/ImageScaling.h"

namespace vistarel {

// The scale M/8 (M from 1 to 8) to decode a photo stored as width x height at, so that its
// pictures of the given sizes still come out as good as from the full-size photo: the
// smallest scale whose decoded picture is at least twice every one of them in both
// dimensions, so that each picture pixel averages two or more decoded pixels each way.
// 8, full size, when no smaller scale is (large pictures, or enlarging).
int decodeScale(int width, int height, const PictureSizes& sizes);

} // namespace vistarel
