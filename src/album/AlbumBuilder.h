#pragma once

#include "album/BuildCommand.h"
#include "common/AlbumSettings.h"
#include "common/FrontEnd.h"
#include "state/AlbumState.h"

#include <optional>
#include <string>

namespace vistarel {

struct MadePhoto;

// The per-photo loop of the build: album photo, date stamp, caption, thumbnail and
// preview for every photo of the catalogue. Photos are made on worker threads and
// committed on the calling thread in catalogue order, yielding to the front end after each
// and while it waits.
class AlbumBuilder {
public:
    AlbumBuilder(AlbumState& state, const AlbumSettings& settings, FrontEnd& frontEnd)
        : state_(state), settings_(settings), frontEnd_(frontEnd) {}

    // False, with nothing changed, only when a folder is missing; true also when stopped.
    // Counts into the outcome as it goes. An error at a photo is thrown with the photo's
    // path in its text, after the front end's build display has been ended; no file of a
    // later photo is written.
    bool buildPhotos(BuildOutcome& outcome);

private:
    void runPhotoLoop(BuildOutcome& outcome);
    void commitPhoto(PhotoRecord& record, const MadePhoto& made, BuildOutcome& outcome);
    void writePicture(const std::optional<std::string>& bytes, const std::string& path,
                      BuildOutcome& outcome);
    bool wasEncoded(const std::optional<std::string>& bytes, BuildOutcome& outcome);

    AlbumState& state_;
    const AlbumSettings& settings_;
    FrontEnd& frontEnd_;
};

} // namespace vistarel
