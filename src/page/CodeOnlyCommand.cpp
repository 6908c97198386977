#include "page/CodeOnlyCommand.h"

#include "common/FileSystem.h"
#include "common/Messages.h"
#include "page/AlbumPageWriter.h"
#include "page/PublishStyle.h"
#include "state/SizeSettings.h"

namespace vistarel {

void writePageAndStyle(AlbumState& state, const AlbumSettings& settings, bool& pageReached) {
    pageReached = folderExists(settings.outputFolder);
    AlbumPageWriter(state, settings).WriteAlbumPage();
    PublishStyle(settings);
}

PageOutcome runCodeOnlyCommand(AlbumState& state, const AlbumSettings& settings,
                               FrontEnd& frontEnd) {
    return runReportingErrors(frontEnd, PageOutcome{}, [&](PageOutcome& outcome) {
        if (state.resolutionChanged)
            showNotice(frontEnd, std::string("Změnili jste rozlišení!") + kCrLf +
                                     "Změna se neprojeví, dokud nedáte znovu vytvořit album!");
        if (!readSizeSettings(state, settings, frontEnd))
            return;
        writePageAndStyle(state, settings, outcome.pageReached);
        outcome.ending = Ending::Done;
    });
}

} // namespace vistarel
