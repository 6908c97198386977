#include "page/CodeOnlyCommand.h"

#include "common/Error.h"
#include "common/Messages.h"
#include "page/AlbumPageWriter.h"
#include "page/PublishStyle.h"
#include "state/SizeSettings.h"

#include <exception>

namespace vistarel {

void runCodeOnlyCommand(AlbumState& state, WindowOps& window) {
    if (state.resolutionChanged)
        showNotice(window, std::string("Změnili jste rozlišení!") + kCrLf +
                               "Změna se neprojeví, dokud nedáte znovu vytvořit album.!");
    if (!readSizeSettings(state, window))
        return;
    WriteAlbumPage(state, window);
    PublishStyle(window.readSettings());
}

void runCodeOnlyCommandShowingErrors(AlbumState& state, WindowOps& window) {
    try {
        runCodeOnlyCommand(state, window);
    } catch (const std::exception& error) {
        showGeneralError(window, error.what());
    }
}

} // namespace vistarel
