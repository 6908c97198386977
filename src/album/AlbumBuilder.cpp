#include "album/AlbumBuilder.h"

#include "album/ExifPhotoData.h"
#include "album/ImageScaling.h"
#include "common/Error.h"
#include "common/FileSystem.h"
#include "common/Messages.h"
#include "image/JpegEncoder.h"
#include "image/JpegImage.h"

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

} // namespace

// What a build works with for its whole run, reused for every photo so that the buffers
// are allocated once.
struct AlbumBuilder::WorkObjects {
    JpegImage input;
    ScaledPictures pictures;
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

    WorkObjects objects;
    state_.stopRequested = false;
    const int count = static_cast<int>(state_.catalogue.size());
    outcome.photoCount = count;
    {
        BuildDisplay display(frontEnd_, count);
        for (int i = 0; i < count && !state_.stopRequested; ++i) {
            PhotoRecord& record = state_.catalogue[static_cast<std::size_t>(i)];
            try {
                buildPhoto(record, objects, outcome);
            } catch (...) {
                throw namingPhoto(describeException(std::current_exception()),
                                  settings_.inputFolder + record.fileName);
            }
            ++outcome.photosBuilt;
            frontEnd_.setProgressPosition(i);
            frontEnd_.processPendingEvents();
        }
    }
    outcome.loopEnded = true;
    outcome.ending = state_.stopRequested ? Ending::Stopped : Ending::Done;
    return true;
}

void AlbumBuilder::buildPhoto(PhotoRecord& record, WorkObjects& objects, BuildOutcome& outcome) {
    const std::string inputPath = settings_.inputFolder + record.fileName;
    const std::string photoPath = settings_.outputFolder + record.fileName;

    objects.input.loadFromFile(inputPath);
    // All three pictures in one sweep over the decoded photo; each is stored and written at
    // the point of the build where its pass belongs.
    renderScaled(objects.input.picture(), objects.pictures, state_);

    recordScaledSizes(objects.pictures, record);
    writePicture(objects.pictures.photo, settings_.photoQuality, photoPath, outcome);
    const ExifPhotoData exif = readExifPhotoData(inputPath);
    stampFileDate(photoPath, exif.dateText);
    record.caption = exif.caption;

    writePicture(objects.pictures.thumbnail, settings_.thumbQuality,
                 settings_.outputFolder + "sm_" + record.fileName, outcome);
    record.previewJpeg = encoded(objects.pictures.preview, kPreviewQuality, outcome).value_or("");
}

void AlbumBuilder::writePicture(const Raster& picture, int quality, const std::string& path,
                                BuildOutcome& outcome) {
    if (const auto bytes = encoded(picture, quality, outcome))
        writeFileBytes(path, *bytes);
}

// A picture the encoder refuses is reported and left out; the build goes on with the next.
std::optional<std::string> AlbumBuilder::encoded(const Raster& picture, int quality,
                                                 BuildOutcome& outcome) {
    try {
        return encodeJpeg(picture, quality);
    } catch (const Error&) {
        frontEnd_.showMessage("Chyba při převodu BMP na JPEG", "Chyba", MessageIcon::Error,
                              MessageButtons::Ok);
        outcome.encodingFailed = true;
        return std::nullopt;
    }
}

} // namespace vistarel
