#include "album/ImageScaling.h"

#include "common/Error.h"
#include "image/Resampler.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

void sizeByRule(int sourceWidth, int sourceHeight, ScaleMode mode, const AlbumState& state,
                int& width, int& height) {
    width = sourceWidth;
    height = sourceHeight;
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
            width = sourceWidth;
            height = sourceHeight;
            fitToSize(width, height, state.previewWidth, false);
        }
        break;
    }
}

PictureSize sizeForMode(int sourceWidth, int sourceHeight, ScaleMode mode,
                        const AlbumState& state) {
    int width = 0, height = 0;
    sizeByRule(sourceWidth, sourceHeight, mode, state, width, height);
    // A very long, thin photo can round a side down to nothing; one pixel keeps the
    // picture a valid JPEG and the page consistent with the file.
    return {std::max(width, 1), std::max(height, 1)};
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

PictureSizes pictureSizes(int width, int height, const AlbumState& state) {
    return {sizeForMode(width, height, ScaleMode::Photo, state),
            sizeForMode(width, height, ScaleMode::Thumbnail, state),
            sizeForMode(width, height, ScaleMode::Preview, state)};
}

PictureSizes exchangedSides(const PictureSizes& sizes) {
    const auto exchanged = [](PictureSize size) { return PictureSize{size.height, size.width}; };
    return {exchanged(sizes.photo), exchanged(sizes.thumbnail), exchanged(sizes.preview)};
}

// A picture at most half the album photo's size each way is drawn from the album photo: each
// of its pixels still averages two or more of the photo's, and the decoded photo, many times
// larger, is swept once instead of three times.
bool fromAlbumPhoto(const Raster& picture, const Raster& photo) {
    return 2 * picture.width <= photo.width && 2 * picture.height <= photo.height;
}

void renderScaled(SourceRows& source, const PhotoScale& scale, const PictureSizes& sizes,
                  ScaledPictures& pictures, bool withPreview) {
    if (source.width() == 0 || source.height() == 0)
        throw Error("No picture to draw");
    pictures.photo.resize(sizes.photo.width, sizes.photo.height);
    pictures.thumbnail.resize(sizes.thumbnail.width, sizes.thumbnail.height);
    if (withPreview)
        pictures.preview.resize(sizes.preview.width, sizes.preview.height);
    std::vector<Resampler::Job> fromSource{{pictures.resamplers[0], pictures.photo}}, fromPhoto;
    for (int k = 1; k < (withPreview ? 3 : 2); ++k) {
        Raster& picture = k == 1 ? pictures.thumbnail : pictures.preview;
        // The decode scale follows the saved pictures alone; a preview larger than the
        // decoded photo is enlarged from the album photo.
        const bool sourceLargeEnough = scale.eighths == 8 || (source.width() >= picture.width &&
                                                              source.height() >= picture.height);
        (fromAlbumPhoto(picture, pictures.photo) || !sourceLargeEnough ? fromPhoto : fromSource)
            .push_back({pictures.resamplers[k], picture});
    }
    Resampler::resampleTogether(source, fromSource, scale);
    Resampler::resampleTogether(pictures.photo, fromPhoto);
}

void renderScaled(const Raster& source, const PhotoScale& scale, const PictureSizes& sizes,
                  ScaledPictures& pictures, bool withPreview) {
    RasterRows rows(source);
    renderScaled(rows, scale, sizes, pictures, withPreview);
}

void recordScaledSizes(const PictureSizes& sizes, PhotoRecord& record) {
    record.photoWidth = sizes.photo.width;
    record.photoHeight = sizes.photo.height;
    record.thumbWidth = sizes.thumbnail.width;
    record.thumbHeight = sizes.thumbnail.height;
}

} // namespace vistarel
