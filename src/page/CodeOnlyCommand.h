#pragma once

#include "common/WindowOps.h"
#include "state/AlbumState.h"

namespace vistarel {

// Rewrites the page and the style of an album already built, without touching any image:
// the notice while the sizes have changed since the last build, the size texts as a gate,
// the page, the style. Errors of the page writer propagate as vistarel::Error (the style
// is then not copied); the caller shows them.
void runCodeOnlyCommand(AlbumState& state, WindowOps& window);

// The command as a button or terminal command runs it: any error ends it and is shown in
// the general error box.
void runCodeOnlyCommandShowingErrors(AlbumState& state, WindowOps& window);

} // namespace vistarel
