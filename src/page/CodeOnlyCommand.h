#pragma once

#include "common/AlbumSettings.h"
#include "common/FrontEnd.h"
#include "common/Outcome.h"
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

// How the build and the code-only command end: the page, then the style. Records whether
// the page writer found the output folder before anything can fail.
void writePageAndStyle(AlbumState& state, const AlbumSettings& settings, bool& pageReached);

} // namespace vistarel
