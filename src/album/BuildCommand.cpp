#include "album/BuildCommand.h"

#include "album/AlbumBuilder.h"
#include "album/OutputCheck.h"
#include "common/Messages.h"
#include "page/CodeOnlyCommand.h"
#include "state/SizeSettings.h"

namespace vistarel {

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
        const AlbumLock lock(settings.outputFolder);
        if (!mayWriteAlbum(lock, settings, frontEnd) ||
            !checkPlannedOutputs(state, settings, frontEnd))
            return;
        AlbumRecord record = AlbumRecord::load(settings.outputFolder);
        if (!AlbumBuilder(state, settings, frontEnd, record).buildPhotos(outcome))
            return;
        writePageAndStyle(state, settings, record, outcome.pageReached);
    });
}

} // namespace vistarel
