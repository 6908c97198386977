#pragma once

#include "album/BuildCommand.h"
#include "album/PhotoUpdate.h"
#include "common/AlbumSettings.h"
#include "common/FrontEnd.h"
#include "record/AlbumRecord.h"
#include "state/AlbumState.h"

#include <chrono>
#include <optional>
#include <set>
#include <string>

namespace vistarel {

struct MadePhoto;

// The per-photo loop of the build: album photo, date stamp, caption, thumbnail and
// preview for every photo of the catalogue, or only what the album record finds out of
// date. Photos are made on worker threads and committed on the calling thread in catalogue
// order, yielding to the front end after each and while it waits. The record is kept up
// to date as photos are committed, and saved now and then, so that a build that is killed
// leaves a record that describes the files it wrote.
class AlbumBuilder {
public:
    AlbumBuilder(AlbumState& state, const AlbumSettings& settings, FrontEnd& frontEnd,
                 AlbumRecord& record)
        : state_(state), settings_(settings), frontEnd_(frontEnd), record_(record),
          pictureSettings_(pictureSettings(state, settings)) {}

    // False, with nothing changed, only when a folder is missing; true also when stopped.
    // Counts into the outcome as it goes. An error at a photo is thrown with the photo's
    // path in its text, after the front end's build display has been ended; no file of a
    // later photo is written.
    bool buildPhotos(BuildOutcome& outcome);

private:
    int runPhotoLoop(BuildOutcome& outcome);
    bool commitPhoto(PhotoRecord& record, MadePhoto& made, BuildOutcome& outcome);
    std::optional<RecordedFile> writePicture(const std::optional<std::string>& bytes,
                                             const std::string& path, const std::string& dateText,
                                             BuildOutcome& outcome);
    bool wasEncoded(const std::optional<std::string>& bytes, BuildOutcome& outcome);
    void finishRecord(int photosReached, BuildOutcome& outcome);
    void saveRecordNowAndThen();

    AlbumState& state_;
    const AlbumSettings& settings_;
    FrontEnd& frontEnd_;
    AlbumRecord& record_;
    const PictureSettings pictureSettings_; // the state's sizes are read before the build
    std::chrono::steady_clock::time_point recordSaved_ = std::chrono::steady_clock::now();
    std::set<std::string> leftOut_; // photos that could not be made, with keepGoing
};

} // namespace vistarel
