#pragma once

#include "common/AlbumSettings.h"
#include "common/FrontEnd.h"
#include "common/Outcome.h"
#include "record/AlbumLock.h"
#include "record/AlbumRecord.h"
#include "state/AlbumState.h"

namespace vistarel {

struct PageOutcome {
    Ending ending = Ending::Refused;
    bool pageReached = false; // the page writer found the output folder
    std::string error;
};

// Rewrites the page and the style of an album already built, without touching any image:
// the notice while the sizes have changed since the last build, the size texts as a gate,
// the page, the style. An error ends it and is shown in the general error box.
PageOutcome runCodeOnlyCommand(AlbumState& state, const AlbumSettings& settings,
                               FrontEnd& frontEnd);

// For a command about to write the album: false, after telling the user, when another
// process is writing into the output folder; else it may go on, and the temporary files a
// killed writer left there are gone. A missing folder is the command's own to report.
bool mayWriteAlbum(const AlbumLock& lock, const AlbumSettings& settings, FrontEnd& frontEnd);

// How the build and the code-only command end: the page, with the record of its captions
// around it, then the style. Records whether the page writer found the output folder
// before anything can fail. The record comes in as the folder's (with what a build made)
// and leaves as saved.
void writePageAndStyle(AlbumState& state, const AlbumSettings& settings, AlbumRecord& record,
                       bool& pageReached);

} // namespace vistarel
