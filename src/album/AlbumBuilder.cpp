#include "album/AlbumBuilder.h"

#include "album/ExifPhotoData.h"
#include "album/ImageScaling.h"
#include "common/Error.h"
#include "common/FileSystem.h"
#include "common/Messages.h"

namespace vistarel {
namespace {

// The user must know which photo to remove.
Error namingPhoto(const Error& error, const std::string& path) {
    const std::string text = error.text();
    if (text.find(path) != std::string::npos)
        return error;
    return Error(path + ": " + text);
}

} // namespace

// What a build works with for its whole run: one work raster and two image objects,
// reused for every photo, so their buffers are allocated once.
struct AlbumBuilder::WorkObjects {
    JpegImage input;
    JpegImage output;
    ScaledPictures pictures;
};

bool AlbumBuilder::buildPhotos(int photoQuality, int thumbQuality) {
    const AlbumSettings settings = window_.readSettings();
    if (!folderExists(settings.inputFolder)) {
        showWarning(window_, "Vstupní složka neexistuje!");
        return false;
    }
    if (!folderExists(settings.outputFolder)) {
        showWarning(window_, "Výstupní složka neexistuje!");
        return false;
    }

    WorkObjects objects;
    state_.stopRequested = false;
    const int count = static_cast<int>(state_.catalogue.size());
    window_.setBuildRunning(true, count);
    window_.processPendingEvents();
    for (int i = 0; i < count; ++i) {
        if (state_.stopRequested)
            break;
        try {
            buildPhoto(i, settings, photoQuality, thumbQuality, objects);
        } catch (const Error& error) {
            window_.setBuildRunning(false, count);
            throw namingPhoto(error, settings.inputFolder + state_.catalogue[i].fileName);
        }
        window_.setProgressPosition(i);
        window_.processPendingEvents();
    }
    window_.setBuildRunning(false, count);
    window_.buildFinished(count);
    return true;
}

void AlbumBuilder::buildPhoto(int index, const AlbumSettings& settings, int photoQuality,
                              int thumbQuality, WorkObjects& objects) {
    PhotoRecord& record = state_.catalogue[static_cast<std::size_t>(index)];
    const std::string inputPath = settings.inputFolder + record.fileName;

    objects.input.loadFromFile(inputPath);
    // All three pictures in one sweep over the decoded photo; each is stored and encoded
    // at the point of the build where its pass belongs.
    renderAllScaled(objects.input, objects.pictures, state_);

    recordScaledSize(ScaleMode::Photo, objects.pictures.photo, record);
    encodeJpeg(objects.pictures.photo, objects.output, photoQuality, window_);
    objects.output.saveToFile(settings.outputFolder + record.fileName);
    stampFileDate(record.fileName, settings);
    record.caption = exifCaption(inputPath);

    recordScaledSize(ScaleMode::Thumbnail, objects.pictures.thumbnail, record);
    encodeJpeg(objects.pictures.thumbnail, objects.output, thumbQuality, window_);
    objects.output.saveToFile(settings.outputFolder + "sm_" + record.fileName);

    record.preview = std::make_unique<JpegImage>();
    encodeJpeg(objects.pictures.preview, *record.preview, 80, window_);
}

} // namespace vistarel
