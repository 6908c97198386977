#pragma once

#include "image/Raster.h"
#include "image/Resampler.h"
#include "state/AlbumState.h"

namespace vistarel {

// Which picture a pass makes from a photo.
enum class ScaleMode { Photo = 1, Thumbnail = 2, Preview = 3 };

// Scales width x height so that the width (when it is strictly the longer side and
// fitHeight is off) or else the height becomes size; the other side follows, rounded to
// the nearest integer with ties to even. Computed in extended precision.
void fitToSize(int& width, int& height, int size, bool fitHeight);

// The three pictures of one photo. Buffers are kept for the next photo.
struct ScaledPictures {
    Raster photo;
    Raster thumbnail;
    Raster preview;
    Resampler resamplers[3];
};

// Sizes each picture from the source and the state's sizes (the preview fitted inside the
// preview box) and draws the source into it
// (area average when shrinking, linear when enlarging), all three in one sweep down the
// decoded photo.
void renderScaled(const Raster& source, ScaledPictures& pictures, const AlbumState& state);

// Stores the album photo's and the thumbnail's sizes into the photo's record.
void recordScaledSizes(const ScaledPictures& pictures, PhotoRecord& record);

} // namespace vistarel
