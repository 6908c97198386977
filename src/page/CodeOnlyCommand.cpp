#include "page/CodeOnlyCommand.h"

#include "common/FileSystem.h"
#include "common/Messages.h"
#include "page/AlbumPageWriter.h"
#include "page/KeptCaptions.h"
#include "page/PublishStyle.h"
#include "state/SizeSettings.h"

namespace vistarel {

bool mayWriteAlbum(const AlbumLock& lock, const AlbumSettings& settings, FrontEnd& frontEnd) {
    if (!folderExists(settings.outputFolder))
        return true;
    if (!lock.held()) {
        showWarning(frontEnd, std::string("Do výstupní složky právě zapisuje jiný běh programu "
                                          "Vistarel!") +
                                  kCrLf + "Počkejte, až skončí, a zkuste to znovu.");
        return false;
    }
    removeStaleTemporaryFiles(settings.outputFolder);
    return true;
}

void writePageAndStyle(AlbumState& state, const AlbumSettings& settings, AlbumRecord& record,
                       bool& pageReached) {
    pageReached = folderExists(settings.outputFolder);
    if (pageReached) {
        AlbumRecord after = record;
        recordPageCaptions(after, state.catalogue);
        recordWhilePageIsReplaced(record, after).save(settings.outputFolder);
        AlbumPageWriter(state, settings).WriteAlbumPage();
        after.save(settings.outputFolder);
        record = std::move(after);
    }
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
        const AlbumLock lock(settings.outputFolder);
        if (!mayWriteAlbum(lock, settings, frontEnd))
            return;
        AlbumRecord record = AlbumRecord::load(settings.outputFolder);
        writePageAndStyle(state, settings, record, outcome.pageReached);
        outcome.ending = Ending::Done;
    });
}

} // namespace vistarel
