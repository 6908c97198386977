#include "album/LoadCommand.h"

#include "common/FileSystem.h"
#include "page/KeptCaptions.h"

namespace vistarel {

LoadOutcome runLoadCommand(AlbumState& state, const AlbumSettings& settings, FrontEnd& frontEnd) {
    LoadOutcome outcome = loadCatalogue(state, settings, frontEnd);
    if (outcome.ending == Ending::Done && folderExists(settings.outputFolder))
        takeCaptionsFromPage(state.catalogue, settings.outputFolder);
    return outcome;
}

} // namespace vistarel
