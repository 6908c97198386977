#pragma once

#include "common/WindowOps.h"
#include "state/AlbumState.h"

namespace vistarel {

// The load command: replaces the catalogue by the photos of the input folder.
void loadCatalogue(AlbumState& state, WindowOps& window);

} // namespace vistarel
