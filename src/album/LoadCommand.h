#pragma once

#include "common/AlbumSettings.h"
#include "common/FrontEnd.h"
#include "state/LoadCatalogue.h"

namespace vistarel {

// The load command as the front ends give it: the photos of the input folder, each with the
// caption the album in the output folder already holds for it.
LoadOutcome runLoadCommand(AlbumState& state, const AlbumSettings& settings, FrontEnd& frontEnd);

} // namespace vistarel
