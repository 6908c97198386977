#pragma once

#include "common/AlbumSettings.h"
#include "common/FrontEnd.h"
#include "common/Outcome.h"
#include "state/AlbumState.h"

namespace vistarel {

struct LoadOutcome {
    Ending ending = Ending::Refused;
    int photoCount = 0; // Done: the catalogue was replaced by this many photos
    std::string error;
};

// The load command: replaces the catalogue by the photos of the input folder.
LoadOutcome loadCatalogue(AlbumState& state, const AlbumSettings& settings, FrontEnd& frontEnd);

} // namespace vistarel
