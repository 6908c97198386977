#pragma once

#include "common/WindowOps.h"
#include "image/JpegImage.h"
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

// Sizes the picture of one pass from the decoded source and the state's sizes, stores
// the size in the photo's record (Photo and Thumbnail passes), resizes raster to it and
// draws the source into it (area average when shrinking, linear when enlarging).
void renderScaled(const JpegImage& source, Raster& raster, ScaleMode mode, int index,
                  AlbumState& state);
// The same, reusing a caller's resampler buffers across passes.
void renderScaled(const JpegImage& source, Raster& raster, ScaleMode mode, int index,
                  AlbumState& state, Resampler& resampler);

// Gives target a copy of raster's picture and the quality. A failure is shown as
// "Chyba při převodu BMP na JPEG" and the caller goes on with what target holds.
// The three pictures of one photo, drawn together in one sweep over the decoded photo
// (the same pixels as three renderScaled calls). Buffers are kept for the next photo.
struct ScaledPictures {
    Raster photo;
    Raster thumbnail;
    Raster preview;
    Resampler resamplers[3];
};
void renderAllScaled(const JpegImage& source, ScaledPictures& pictures, const AlbumState& state);

// Stores a drawn picture's size into the record, as renderScaled does for its mode.
void recordScaledSize(ScaleMode mode, const Raster& picture, PhotoRecord& record);

void encodeJpeg(const Raster& raster, JpegImage& target, int quality, WindowOps& window);

} // namespace vistarel
