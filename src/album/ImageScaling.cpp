#include "album/ImageScaling.h"

#include "common/Error.h"
#include "image/Resampler.h"

#include <algorithm>
#include <cmath>

namespace vistarel {

namespace {

// Quotient first, then product, in long double (a 64-bit significand on x86); the
// current rounding mode is to nearest with ties to even.
int scaledSide(int side, int size, int reference) {
    if (reference <= 0)
        return 0;
    long double scaled =
        (static_cast<long double>(size) / static_cast<long double>(reference)) * side;
    return static_cast<int>(std::nearbyint(scaled));
}

void sizeByRule(const Raster& source, ScaleMode mode, const AlbumState& state, int& width,
                int& height) {
    width = source.width;
    height = source.height;
    switch (mode) {
    case ScaleMode::Photo:
        if (width >= state.photoSize || height >= state.photoSize)
            fitToSize(width, height, state.photoSize, false);
        break;
    case ScaleMode::Thumbnail:
        fitToSize(width, height, state.thumbSize, false);
        break;
    case ScaleMode::Preview:
        // Fills the box's height unless that makes it wider than the box; a long, thin
        // photo would otherwise ask for a preview of gigabytes.
        fitToSize(width, height, state.previewHeight, true);
        if (width > state.previewWidth) {
            width = source.width;
            height = source.height;
            fitToSize(width, height, state.previewWidth, false);
        }
        break;
    }
}

void sizeForMode(const Raster& source, ScaleMode mode, const AlbumState& state, int& width,
                 int& height) {
    sizeByRule(source, mode, state, width, height);
    // A very long, thin photo can round a side down to nothing; one pixel keeps the
    // picture a valid JPEG and the page consistent with the file.
    width = std::max(width, 1);
    height = std::max(height, 1);
}

} // namespace

void fitToSize(int& width, int& height, int size, bool fitHeight) {
    if (width > height && !fitHeight) {
        height = scaledSide(height, size, width);
        width = size;
    } else {
        width = scaledSide(width, size, height);
        height = size;
    }
}

void renderScaled(const Raster& source, ScaledPictures& pictures, const AlbumState& state) {
    if (source.pixels.empty())
        throw Error("No picture to draw");
    const std::pair<ScaleMode, Raster*> passes[] = {{ScaleMode::Photo, &pictures.photo},
                                                    {ScaleMode::Thumbnail, &pictures.thumbnail},
                                                    {ScaleMode::Preview, &pictures.preview}};
    for (const auto& [mode, raster] : passes) {
        int width = 0, height = 0;
        sizeForMode(source, mode, state, width, height);
        raster->resize(width, height);
    }
    const Resampler::Job jobs[] = {{pictures.resamplers[0], pictures.photo},
                                   {pictures.resamplers[1], pictures.thumbnail},
                                   {pictures.resamplers[2], pictures.preview}};
    Resampler::resampleTogether(source, jobs);
}

void recordScaledSizes(const ScaledPictures& pictures, PhotoRecord& record) {
    record.photoWidth = pictures.photo.width;
    record.photoHeight = pictures.photo.height;
    record.thumbWidth = pictures.thumbnail.width;
    record.thumbHeight = pictures.thumbnail.height;
}

} // namespace vistarel
