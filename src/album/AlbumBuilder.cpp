#include "album/AlbumBuilder.h"

#include "album/DecodeScale.h"
#include "album/ExifPhotoData.h"
#include "album/ImageScaling.h"
#include "album/PhotoPipeline.h"
#include "common/Error.h"
#include "common/FileSystem.h"
#include "common/Messages.h"
#include "image/JpegEncoder.h"
#include "image/JpegImage.h"
#include "image/Orientation.h"

#include <oneapi/tbb/enumerable_thread_specific.h>

namespace vistarel {
namespace {

constexpr int kPreviewQuality = 80;

// The user must know which photo to remove.
Error namingPhoto(const std::string& text, const std::string& path) {
    if (text.find(path) != std::string::npos)
        return Error(text);
    return Error(path + ": " + text);
}

// Shows the progress display for the life of the loop and gives the command buttons back
// on every way out of it, an error included.
class BuildDisplay {
public:
    BuildDisplay(FrontEnd& frontEnd, int photoCount) : frontEnd_(frontEnd), count_(photoCount) {
        frontEnd_.setBuildRunning(true, count_);
        frontEnd_.processPendingEvents();
    }
    ~BuildDisplay() { frontEnd_.setBuildRunning(false, count_); }
    BuildDisplay(const BuildDisplay&) = delete;
    BuildDisplay& operator=(const BuildDisplay&) = delete;

private:
    FrontEnd& frontEnd_;
    int count_;
};

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

} // namespace

// What one worker works with, reused for every photo it makes so that the buffers are
// allocated once per worker.
struct AlbumBuilder::WorkObjects {
    JpegImage input;
    ScaledPictures pictures;
    Raster turned;
};

bool AlbumBuilder::buildPhotos(BuildOutcome& outcome) {
    if (!folderExists(settings_.inputFolder)) {
        showWarning(frontEnd_, "Vstupní složka neexistuje!");
        return false;
    }
    if (!folderExists(settings_.outputFolder)) {
        showWarning(frontEnd_, "Výstupní složka neexistuje!");
        return false;
    }
    state_.stopRequested = false;
    outcome.photoCount = static_cast<int>(state_.catalogue.size());
    {
        BuildDisplay display(frontEnd_, outcome.photoCount);
        runPhotoLoop(outcome);
    }
    outcome.loopEnded = true;
    outcome.ending = state_.stopRequested ? Ending::Stopped : Ending::Done;
    return true;
}

// Stop lets no new photo start; the photos in flight are still committed, in order.
void AlbumBuilder::runPhotoLoop(BuildOutcome& outcome) {
    const int count = outcome.photoCount;
    std::vector<std::string> inputPaths;
    for (const PhotoRecord& record : state_.catalogue)
        inputPaths.push_back(settings_.inputFolder + record.fileName);
    tbb::enumerable_thread_specific<WorkObjects> workObjects;
    PhotoPipeline pipeline(buildJobs(settings_.jobs), [&](int index, MadePhoto& made) {
        makePhoto(inputPaths[static_cast<std::size_t>(index)], workObjects.local(), made);
    });
    for (int i = 0; i < count; ++i) {
        while (pipeline.started() < count && pipeline.hasRoom() && !state_.stopRequested)
            pipeline.startNext();
        if (i == pipeline.started())
            return;
        const MadePhoto made = pipeline.takeNext(frontEnd_);
        try {
            commitPhoto(state_.catalogue[static_cast<std::size_t>(i)], made, outcome);
        } catch (...) {
            throw namingPhoto(describeException(std::current_exception()),
                              inputPaths[static_cast<std::size_t>(i)]);
        }
        ++outcome.photosBuilt;
        frontEnd_.setProgressPosition(i);
        frontEnd_.processPendingEvents();
    }
}

// One photo's work on a worker thread, step by step. Nothing here is seen by the user: the
// calling thread commits the result. The pictures' sizes follow the upright photo; they are
// drawn as the photo is stored and turned after, while they are small.
void AlbumBuilder::makePhoto(const std::string& inputPath, WorkObjects& objects, MadePhoto& made) {
    made.exif = readExifPhotoData(inputPath, settings_.captionSources);
    const int orientation = settings_.turnUpright ? made.exif.orientation : 1;
    DecodeOptions options;
    options.profiles = &profiles_;
    options.chooseScale = [&](int width, int height) {
        made.sizes = swapsSides(orientation) ? pictureSizes(height, width, state_)
                                             : pictureSizes(width, height, state_);
        return decodeScale(width, height, storedSizes(made.sizes, orientation));
    };
    objects.input.loadFromFile(inputPath, options);
    made.damage = objects.input.damage();
    renderScaled(objects.input.picture(), objects.input.scale(),
                 storedSizes(made.sizes, orientation), objects.pictures, settings_.keepPreviews);
    finishPictures(orientation, objects);
    made.photoJpeg = encodedOrNone(objects.pictures.photo, settings_.photoQuality);
    made.thumbnailJpeg = encodedOrNone(objects.pictures.thumbnail, settings_.thumbQuality);
    if (settings_.keepPreviews)
        made.previewJpeg = encodedOrNone(objects.pictures.preview, kPreviewQuality);
}

// Upright, and in the colours the photo's profile means, as browsers show sRGB.
void AlbumBuilder::finishPictures(int orientation, WorkObjects& objects) const {
    ScaledPictures& pictures = objects.pictures;
    for (Raster* picture : {&pictures.photo, &pictures.thumbnail, &pictures.preview}) {
        if (picture == &pictures.preview && !settings_.keepPreviews)
            break;
        turnUpright(*picture, orientation, objects.turned);
        if (const SrgbConversion* toSrgb = objects.input.toSrgb())
            toSrgb->apply(*picture);
    }
}

// Everything the user can see of one photo, on the calling thread, in the order a build
// has always done it.
void AlbumBuilder::commitPhoto(PhotoRecord& record, const MadePhoto& made, BuildOutcome& outcome) {
    if (made.error)
        std::rethrow_exception(made.error);
    if (!made.damage.empty())
        outcome.damagedPhotos.push_back(settings_.inputFolder + record.fileName + ": " +
                                        made.damage);
    const std::string photoPath = settings_.outputFolder + record.fileName;
    recordScaledSizes(made.sizes, record);
    writePicture(made.photoJpeg, photoPath, outcome);
    stampFileDate(photoPath, made.exif.dateText);
    record.caption = made.exif.caption;
    record.captionFromExif = true; // the page shows it as text, not markup
    outcome.warnings.insert(outcome.warnings.end(), made.exif.warnings.begin(),
                            made.exif.warnings.end());
    writePicture(made.thumbnailJpeg, settings_.outputFolder + "sm_" + record.fileName, outcome);
    if (settings_.keepPreviews) {
        wasEncoded(made.previewJpeg, outcome);
        record.previewJpeg = made.previewJpeg.value_or("");
    }
}

void AlbumBuilder::writePicture(const std::optional<std::string>& bytes, const std::string& path,
                                BuildOutcome& outcome) {
    if (wasEncoded(bytes, outcome))
        writeFileBytes(path, *bytes);
}

// True when the picture was encoded; otherwise tells the user, and the build goes on.
bool AlbumBuilder::wasEncoded(const std::optional<std::string>& bytes, BuildOutcome& outcome) {
    if (bytes)
        return true;
    frontEnd_.showMessage("Chyba při převodu BMP na JPEG", "Chyba", MessageIcon::Error,
                          MessageButtons::Ok);
    outcome.encodingFailed = true;
    return false;
}

} // namespace vistarel
