#include "state/LoadCatalogue.h"

#include "common/FileSystem.h"
#include "common/Messages.h"

namespace vistarel {
namespace {

// Equal texts, or two texts naming the same folder: the album would overwrite its photos.
bool foldersCollide(const AlbumSettings& settings) {
    if (settings.inputFolder.empty())
        return false;
    return settings.inputFolder == settings.outputFolder ||
           sameExistingFolder(settings.inputFolder, settings.outputFolder);
}

bool mayReplaceCaptions(const AlbumState& state, WindowOps& window) {
    if (!state.captionsEdited)
        return true;
    return askYesNo(window, std::string("Pokud znovu načtete snímky, příjdete o doposud vyplněné "
                                        "komentáře!") +
                                kCrLf + "Chcete opravdu načíst nové snímky?");
}

} // namespace

void loadCatalogue(AlbumState& state, WindowOps& window) {
    const AlbumSettings settings = window.readSettings();
    bool proceed = true;
    if (foldersCollide(settings)) {
        showNotice(window, "Vstupní a výstupní adresář je stejný!");
        proceed = false;
    }
    if (!mayReplaceCaptions(state, window))
        proceed = false;
    if (!proceed)
        return;
    if (!folderExists(settings.inputFolder)) {
        showWarning(window, "Vstupní složka neexistuje!");
        return;
    }

    state.catalogue.clear();
    for (auto& name : listFilesWithExtension(settings.inputFolder, ".jpg")) {
        PhotoRecord record;
        record.fileName = std::move(name);
        state.catalogue.push_back(std::move(record));
    }

    if (state.catalogue.empty())
        showNotice(window, "Složka neobsahuje obrázky typu *.JPG!");
    else
        showNotice(window, "Načteno " + std::to_string(state.catalogue.size()) + " snímků");
    window.setBuildEnabled(true);
}

} // namespace vistarel
