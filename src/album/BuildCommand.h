#pragma once

#include "common/WindowOps.h"
#include "state/AlbumState.h"

namespace vistarel {

// The build command: checks the catalogue and sizes, builds every photo, then writes the
// page and publishes the style. Errors that end it are shown in the general error box.
void runBuildCommand(AlbumState& state, WindowOps& window);

} // namespace vistarel
