#include "album/BuildCommand.h"

#include "album/AlbumBuilder.h"
#include "album/OutputCheck.h"
#include "common/Messages.h"
#include "page/CodeOnlyCommand.h"
#include "state/SizeSettings.h"

#include <algorithm>

namespace vistarel {
namespace {

// The photo loop replaces the captions of the photos it reaches with their EXIF comments,
// which the page must show as text.
void markExifCaptions(PhotoCatalogue& catalogue, int reached) {
    const auto count = std::min(static_cast<std::size_t>(std::max(reached, 0)), catalogue.size());
    for (std::size_t i = 0; i < count; ++i)
        catalogue[i].captionFromExif = true;
}

bool buildPhotos(AlbumState& state, const AlbumSettings& settings, FrontEnd& frontEnd,
                 BuildOutcome& outcome) {
    try {
        const bool built = AlbumBuilder(state, settings, frontEnd).buildPhotos(outcome);
        markExifCaptions(state.catalogue, outcome.photosBuilt);
        return built;
    } catch (...) {
        // The photo that failed may have had its caption replaced already.
        markExifCaptions(state.catalogue, outcome.photosBuilt + 1);
        throw;
    }
}

} // namespace

BuildOutcome runBuildCommand(AlbumState& state, const AlbumSettings& settings, FrontEnd& frontEnd) {
    return runReportingErrors(frontEnd, BuildOutcome{}, [&](BuildOutcome& outcome) {
        if (state.catalogue.empty()) {
            showWarning(frontEnd, std::string("Nejsou načteny žádné snímky!") + kCrLf +
                                      "Musíte nejdřív načíst snímky ke zpracování!");
            return;
        }
        if (!readSizeSettings(state, settings, frontEnd))
            return;
        state.resolutionChanged = false;
        if (!checkPlannedOutputs(state, settings, frontEnd))
            return;
        if (!buildPhotos(state, settings, frontEnd, outcome))
            return;
        writePageAndStyle(state, settings, outcome.pageReached);
    });
}

} // namespace vistarel
