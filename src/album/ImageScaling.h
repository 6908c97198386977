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

struct PictureSize {
    int width = 0;
    int height = 0;
};

// The sizes of a photo's three pictures, from the photo's full size and the state's sizes.
struct PictureSizes {
    PictureSize photo;
    PictureSize thumbnail;
    PictureSize preview;
};
PictureSizes pictureSizes(int width, int height, const AlbumState& state);

// The sizes with width and height exchanged: a photo stored on its side is drawn on its side
// and its pictures are turned upright after.
PictureSizes exchangedSides(const PictureSizes& sizes);

// The three pictures of one photo. Buffers are kept for the next photo.
struct ScaledPictures {
    Raster photo;
    Raster thumbnail;
    Raster preview;
    Resampler resamplers[3];
};

// Draws the decoded photo (at full size, or decoded at the given scale; whole, or as its rows
// are decoded) into pictures of the
// given sizes (area average when shrinking, linear when enlarging); the preview only when
// withPreview. The album photo is drawn from the decoded photo; the thumbnail and the
// preview from the album photo when it is at least twice their size, else with it in one
// sweep down the decoded photo.
void renderScaled(SourceRows& source, const PhotoScale& scale, const PictureSizes& sizes,
                  ScaledPictures& pictures, bool withPreview = true);
void renderScaled(const Raster& source, const PhotoScale& scale, const PictureSizes& sizes,
                  ScaledPictures& pictures, bool withPreview = true);

// Stores the album photo's and the thumbnail's sizes into the photo's record.
void recordScaledSizes(const PictureSizes& sizes, PhotoRecord& record);

} // namespace vistarel
