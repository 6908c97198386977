#include "album/PhotoMaker.h"

#include "album/DecodeScale.h"
#include "album/ExifPhotoData.h"
#include "common/Error.h"
#include "image/JpegEncoder.h"
#include "image/Orientation.h"

#include <algorithm>

namespace vistarel {

namespace {

// The sizes of the pictures as the photo is stored, before they are turned upright.
PictureSizes storedSizes(const PictureSizes& upright, int orientation) {
    return swapsSides(orientation) ? exchangedSides(upright) : upright;
}

// A picture the encoder refuses is left out and reported when the photo is committed.
std::optional<std::string> encodedOrNone(const Raster& picture, int quality) {
    try {
        return encodeJpeg(picture, quality);
    } catch (const Error&) {
        return std::nullopt;
    }
}

std::size_t pictureBytes(int width, int height) {
    return static_cast<std::size_t>(std::max(width, 0)) *
           static_cast<std::size_t>(std::max(height, 0)) * 3;
}

} // namespace

void PhotoMaker::make(const std::string& path, PhotoWorkspace& workspace, MadePhoto& made) {
    readInputFile(path, workspace.file);
    makeFromBytes(path, workspace.file.bytes(), workspace, made);
}

// The pictures' sizes follow the upright photo; they are drawn as the photo is stored and
// turned after, while they are small.
void PhotoMaker::makeFromBytes(const std::string& path, std::span<const std::uint8_t> bytes,
                               PhotoWorkspace& workspace, MadePhoto& made) {
    made.exif = readExifPhotoData(path, bytes, settings_.captionSources);
    const int orientation = settings_.turnUpright ? made.exif.orientation : 1;
    DecodeOptions options;
    options.profiles = &profiles_;
    options.limits = limits_;
    options.chooseScale = [&](int width, int height) {
        made.sizes = swapsSides(orientation) ? pictureSizes(height, width, state_)
                                             : pictureSizes(width, height, state_);
        return decodeScale(width, height, storedSizes(made.sizes, orientation));
    };
    JpegRows photo(bytes, path, options);
    renderScaled(photo, photo.scale(), storedSizes(made.sizes, orientation), workspace.pictures,
                 settings_.keepPreviews);
    made.damage = photo.damage();
    finishPictures(orientation, photo.toSrgb(), workspace);
    made.photoJpeg = encodedOrNone(workspace.pictures.photo, settings_.photoQuality);
    made.thumbnailJpeg = encodedOrNone(workspace.pictures.thumbnail, settings_.thumbQuality);
    if (settings_.keepPreviews)
        made.previewJpeg = encodedOrNone(workspace.pictures.preview, kPreviewQuality);
}

// Upright, and in the colours the photo's profile means, as browsers show sRGB.
void PhotoMaker::finishPictures(int orientation, const SrgbConversion* toSrgb,
                                PhotoWorkspace& workspace) const {
    ScaledPictures& pictures = workspace.pictures;
    for (Raster* picture : {&pictures.photo, &pictures.thumbnail, &pictures.preview}) {
        if (picture == &pictures.preview && !settings_.keepPreviews)
            break;
        turnUpright(*picture, orientation, workspace.turned);
        if (toSrgb != nullptr)
            toSrgb->apply(*picture);
    }
}

// The photo is decoded a few rows at a time: its decoded size does not count.
std::size_t PhotoMaker::memoryBound() const {
    const std::size_t photo = pictureBytes(state_.photoSize, state_.photoSize);
    const std::size_t preview = pictureBytes(state_.previewWidth, state_.previewHeight);
    // The turned copy of the largest picture, and each encoded picture at most as large.
    return kMaxInputFileBytes + static_cast<std::size_t>(limits_.libjpegBytes) +
           4 * (photo + preview);
}

} // namespace vistarel
