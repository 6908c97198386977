#include "album/AlbumBuilder.h"

#include "album/BuildRecord.h"
#include "album/ExifPhotoData.h"
#include "album/ImageScaling.h"
#include "album/PhotoMaker.h"
#include "album/PhotoPipeline.h"
#include "album/PhotoUpdate.h"
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
    int reached = 0;
    {
        BuildDisplay display(frontEnd_, outcome.photoCount);
        reached = runPhotoLoop(outcome);
    }
    outcome.loopEnded = true;
    outcome.ending = state_.stopRequested ? Ending::Stopped : Ending::Done;
    finishRecord(reached, outcome);
    std::erase_if(state_.catalogue,
                  [this](const PhotoRecord& photo) { return leftOut_.contains(photo.fileName); });
    return true;
}

// Stop lets no new photo start; the photos in flight are still committed, in order. Returns
// how many photos were committed. An error at a photo leaves the record saved as far as
// the photos before it.
int AlbumBuilder::runPhotoLoop(BuildOutcome& outcome) {
    const int count = outcome.photoCount;
    PhotoMaker maker(state_, settings_);
    PhotoUpdater updater(state_, settings_, record_, maker);
    tbb::enumerable_thread_specific<PhotoWorkspace> workspaces;
    const int jobs = buildJobs(settings_.jobs, maker.memoryBound());
    PhotoPipeline pipeline(jobs, [&](int index, MadePhoto& made) {
        updater.update(state_.catalogue[static_cast<std::size_t>(index)].fileName,
                       workspaces.local(), made);
    });
    for (int i = 0; i < count; ++i) {
        while (pipeline.started() < count && pipeline.hasRoom() && !state_.stopRequested)
            pipeline.startNext();
        if (i == pipeline.started())
            return i;
        MadePhoto made = pipeline.takeNext(frontEnd_);
        PhotoRecord& photo = state_.catalogue[static_cast<std::size_t>(i)];
        try {
            if (commitPhoto(photo, made, outcome))
                ++outcome.photosBuilt;
        } catch (...) {
            const auto error = std::current_exception();
            try {
                record_.save(settings_.outputFolder);
            } catch (const Error&) {
                // The folder took no file: the photo's own error says why.
            }
            throw namingPhoto(describeException(error), settings_.inputFolder + photo.fileName);
        }
        frontEnd_.setProgressPosition(i);
        frontEnd_.processPendingEvents();
        saveRecordNowAndThen();
    }
    return count;
}

// Everything the user can see of one photo, on the calling thread, in the order a build
// has always done it; files found up to date are left as they are. False when the photo is
// left out.
bool AlbumBuilder::commitPhoto(PhotoRecord& record, MadePhoto& made, BuildOutcome& outcome) {
    if (made.error && settings_.keepGoing) {
        const std::string path = settings_.inputFolder + record.fileName;
        std::string why = describeException(made.error);
        if (why.starts_with(path + ": "))
            why.erase(0, path.size() + 2);
        outcome.leftOutPhotos.push_back(path + ": " + why);
        leftOut_.insert(record.fileName);
        record_.entry(record.fileName).pictures.reset();
        return false;
    }
    if (made.error)
        std::rethrow_exception(made.error);
    if (!made.damage.empty())
        outcome.damagedPhotos.push_back(settings_.inputFolder + record.fileName + ": " +
                                        made.damage);
    const std::string photoPath = settings_.outputFolder + record.fileName;
    std::optional<RecordedFile> photo, thumbnail;
    if (made.upToDate)
        made.sizes = {{made.kept->photo.width, made.kept->photo.height},
                      {made.kept->thumbnail.width, made.kept->thumbnail.height},
                      {}};
    recordScaledSizes(made.sizes, record);
    if (made.photoMade) {
        photo = writePicture(made.photoJpeg, photoPath, made.exif.dateText, outcome);
    } else if (made.photoVerifiedByHash) {
        // The same bytes, but its time may have been changed since.
        stampFileDate(photoPath, made.exif.dateText);
        if (const auto identity = identityOf(photoPath))
            made.kept->photo.file.identity = *identity;
    }
    applyPhotoCaption(record, made.exif.caption);
    outcome.warnings.insert(outcome.warnings.end(), made.exif.warnings.begin(),
                            made.exif.warnings.end());
    if (made.thumbnailMade)
        thumbnail = writePicture(made.thumbnailJpeg,
                                 settings_.outputFolder + "sm_" + record.fileName, "", outcome);
    if (settings_.keepPreviews) {
        if (!made.upToDate)
            wasEncoded(made.previewJpeg, outcome);
        record.previewJpeg = made.previewJpeg.value_or("");
    }
    if (made.upToDate)
        ++outcome.photosUpToDate;
    record_.entry(record.fileName).pictures =
        recordedAfterCommit(made, pictureSettings_, photo, thumbnail);
    return true;
}

// Writes the picture, stamps it with the date when there is one, and returns the file as
// the record keeps it; none when the picture could not be encoded.
std::optional<RecordedFile> AlbumBuilder::writePicture(const std::optional<std::string>& bytes,
                                                       const std::string& path,
                                                       const std::string& dateText,
                                                       BuildOutcome& outcome) {
    if (!wasEncoded(bytes, outcome))
        return std::nullopt;
    writeFileBytes(path, *bytes);
    stampFileDate(path, dateText);
    return recordFile(path, *bytes);
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

// The photos a stopped build did not reach, and with prune the files of photos no longer
// in the input folder.
void AlbumBuilder::finishRecord(int photosReached, BuildOutcome& outcome) {
    for (std::size_t i = static_cast<std::size_t>(photosReached); i < state_.catalogue.size(); ++i)
        takeRecordedSizes(state_.catalogue[i], record_, settings_, pictureSettings_);
    if (settings_.prune)
        outcome.removedFiles =
            pruneRemovedPhotos(record_, state_.catalogue, settings_.outputFolder);
}

// A long build that is killed should not have to make again what it had made.
void AlbumBuilder::saveRecordNowAndThen() {
    constexpr std::chrono::seconds kInterval{2};
    const auto now = std::chrono::steady_clock::now();
    if (now - recordSaved_ < kInterval)
        return;
    record_.save(settings_.outputFolder);
    recordSaved_ = now;
}

} // namespace vistarel
