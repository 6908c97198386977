#pragma once

#include "album/BuildCommand.h"
#include "common/AlbumSettings.h"
#include "common/FrontEnd.h"
#include "state/AlbumState.h"

#include <optional>
#include <string>

namespace vistarel {

struct Raster;

// The per-photo loop of the build: album photo, date stamp, caption, thumbnail and
// preview for every photo of the catalogue, yielding to the front end after each.
class AlbumBuilder {
public:
    AlbumBuilder(AlbumState& state, const AlbumSettings& settings, FrontEnd& frontEnd)
        : state_(state), settings_(settings), frontEnd_(frontEnd) {}

    // False, with nothing changed, only when a folder is missing; true also when stopped.
    // Counts into the outcome as it goes. An error at a photo is thrown with the photo's
    // path in its text, after the front end's build display has been ended.
    bool buildPhotos(BuildOutcome& outcome);

private:
    struct WorkObjects;
    void buildPhoto(PhotoRecord& record, WorkObjects& objects, BuildOutcome& outcome);
    void writePicture(const Raster& picture, int quality, const std::string& path,
                      BuildOutcome& outcome);
    std::optional<std::string> encoded(const Raster& picture, int quality, BuildOutcome& outcome);

    AlbumState& state_;
    const AlbumSettings& settings_;
    FrontEnd& frontEnd_;
};

} // namespace vistarel
