#include "album/BuildCommand.h"

#include "album/AlbumBuilder.h"
#include "common/Error.h"
#include "common/Messages.h"
#include "page/AlbumPageWriter.h"
#include "page/PublishStyle.h"
#include "state/SizeSettings.h"

#include <new>

namespace vistarel {

void runBuildCommand(AlbumState& state, WindowOps& window) {
    if (state.catalogue.empty()) {
        showWarning(window, std::string("Nejsou načteny zádné snímky!") + kCrLf +
                                "Musíte nejdřív načíst snímky ze zpracování!");
        return;
    }
    if (!readSizeSettings(state, window))
        return;
    state.resolutionChanged = false;
    try {
        const AlbumSettings settings = window.readSettings();
        AlbumBuilder builder(state, window);
        if (!builder.buildPhotos(settings.photoQuality, settings.thumbQuality))
            return;
        WriteAlbumPage(state, window);
        PublishStyle(window.readSettings());
    } catch (const Error& error) {
        showGeneralError(window, error.text());
    } catch (const std::bad_alloc&) {
        showGeneralError(window, "Out of memory");
    }
}

} // namespace vistarel
