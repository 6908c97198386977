#include "album/ImageScaling.h"

#include "common/Error.h"
#include "image/Resampler.h"

#include <algorithm>
#include <cmath>
#include <exception>

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

void sizeByRule(const JpegImage& source, ScaleMode mode, const AlbumState& state, int& width,
                int& height) {
    width = source.width();
    height = source.height();
    switch (mode) {
    case ScaleMode::Photo:
        if (width >= state.photoSize || height >= state.photoSize)
            fitToSize(width, height, state.photoSize, false);
        break;
    case ScaleMode::Thumbnail:
        fitToSize(width, height, state.thumbSize, false);
        break;
    case ScaleMode::Preview:
        fitToSize(width, height, state.previewHeight, true);
        break;
    }
}

void sizeForMode(const JpegImage& source, ScaleMode mode, const AlbumState& state, int& width,
                 int& height) {
    sizeByRule(source, mode, state, width, height);
    // A very long, thin photo can round a side down to nothing; one pixel keeps the
    // picture a valid JPEG and the page consistent with the file.
    width = std::max(width, 1);
    height = std::max(height, 1);
}

void storeSize(ScaleMode mode, PhotoRecord& record, int width, int height) {
    if (mode == ScaleMode::Photo) {
        record.photoWidth = width;
        record.photoHeight = height;
    } else if (mode == ScaleMode::Thumbnail) {
        record.thumbWidth = width;
        record.thumbHeight = height;
    }
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

void renderScaled(const JpegImage& source, Raster& raster, ScaleMode mode, int index,
                  AlbumState& state, Resampler& resampler) {
    if (source.empty())
        throw Error("No picture to draw");
    int width = 0, height = 0;
    sizeForMode(source, mode, state, width, height);
    storeSize(mode, state.catalogue.at(static_cast<std::size_t>(index)), width, height);
    raster.resize(width, height);
    resampler.resample(source.picture(), raster);
}

void renderScaled(const JpegImage& source, Raster& raster, ScaleMode mode, int index,
                  AlbumState& state) {
    Resampler resampler;
    renderScaled(source, raster, mode, index, state, resampler);
}

void renderAllScaled(const JpegImage& source, ScaledPictures& pictures, const AlbumState& state) {
    if (source.empty())
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
    Resampler::resampleTogether(source.picture(), jobs);
}

void recordScaledSize(ScaleMode mode, const Raster& picture, PhotoRecord& record) {
    storeSize(mode, record, picture.width, picture.height);
}

void encodeJpeg(const Raster& raster, JpegImage& target, int quality, WindowOps& window) {
    try {
        target.assign(raster);
        target.setQuality(quality);
    } catch (const std::exception&) {
        window.showMessage("Chyba při převodu BMP na JPEG", "Chyba", MessageIcon::Error,
                           MessageButtons::Ok);
    }
}

} // namespace vistarel
