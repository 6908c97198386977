#pragma once

#include "common/AlbumSettings.h"
#include "common/FrontEnd.h"
#include "common/Outcome.h"
#include "state/AlbumState.h"

#include <string>
#include <vector>

namespace vistarel {

struct BuildOutcome {
    Ending ending = Ending::Refused;
    int photoCount = 0;          // photos in the catalogue when the loop started
    int photosBuilt = 0;         // photos done: made and written, or found up to date
    int photosUpToDate = 0;      // of those, photos the album record found up to date
    bool loopEnded = false;      // the photo loop finished or was stopped: previews are ready
    bool pageReached = false;    // the page writer found the output folder
    bool encodingFailed = false; // a picture could not be encoded and was not written
    std::string error;           // Failed: the text shown, naming the photo
    // Photos whose data was damaged but decodable, each as "<path>: <libjpeg's warning>";
    // their pictures may show a grey band. The front end tells the user after the build.
    std::vector<std::string> damagedPhotos;
    // With prune: the files removed, of photos no longer in the input folder.
    std::vector<std::string> removedFiles;
    // With keepGoing: the photos left out of the album (and of the catalogue), each as
    // "<path>: <why>".
    std::vector<std::string> leftOutPhotos;
    // What was left unread while looking for the photos' own captions, in catalogue order,
    // each naming its file; the front end tells the user after the build.
    std::vector<std::string> warnings;
};

// The build command: checks the catalogue and sizes, builds every photo, then writes the
// page and publishes the style. An error that ends it is shown in the general error box.
BuildOutcome runBuildCommand(AlbumState& state, const AlbumSettings& settings, FrontEnd& frontEnd);

} // namespace vistarel
