#include "album/AlbumBuilder.h"

#include "album/ExifPhotoData.h"
#include "album/ImageScaling.h"
#include "album/PhotoMaker.h"
#include "album/PhotoPipeline.h"
#include "common/Error.h"
#include "common/FileSystem.h"
#include "common/Messages.h"
#include "page/KeptCaptions.h"

#include <oneapi/tbb/enumerable_thread_specific.h>

namespace vistarel {
namespace {

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
    PhotoMaker maker(state_, settings_);
    tbb::enumerable_thread_specific<PhotoWorkspace> workspaces;
    const int jobs = buildJobs(settings_.jobs, maker.memoryBound());
    PhotoPipeline pipeline(jobs, [&](int index, MadePhoto& made) {
        maker.make(inputPaths[static_cast<std::size_t>(index)], workspaces.local(), made);
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
    applyPhotoCaption(record, made.exif.caption);
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
