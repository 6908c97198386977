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

bool mayReplaceCaptions(const AlbumState& state, FrontEnd& frontEnd) {
    if (!state.captionsEdited)
        return true;
    return askYesNo(frontEnd, std::string("Pokud znovu načtete snímky, přijdete o doposud vyplněné "
                                          "komentáře!") +
                                  kCrLf + "Chcete opravdu načíst nové snímky?");
}

void replaceCatalogue(AlbumState& state, const AlbumSettings& settings, FrontEnd& frontEnd,
                      LoadOutcome& outcome) {
    bool proceed = true;
    if (foldersCollide(settings)) {
        showNotice(frontEnd, "Vstupní a výstupní adresář je stejný!");
        proceed = false;
    }
    if (!mayReplaceCaptions(state, frontEnd))
        proceed = false;
    if (!proceed)
        return;
    if (!folderExists(settings.inputFolder)) {
        showWarning(frontEnd, "Vstupní složka neexistuje!");
        return;
    }

    PhotoCatalogue catalogue;
    // Phones and some programs write ".jpeg".
    for (auto& name : listFilesWithExtensions(settings.inputFolder, {".jpg", ".jpeg"})) {
        PhotoRecord record;
        record.fileName = std::move(name);
        catalogue.push_back(std::move(record));
    }
    state.catalogue = std::move(catalogue);
    outcome.ending = Ending::Done;
    outcome.photoCount = static_cast<int>(state.catalogue.size());

    if (state.catalogue.empty())
        showNotice(frontEnd, "Složka neobsahuje obrázky typu *.JPG!");
    else
        showNotice(frontEnd, "Načteno " + std::to_string(state.catalogue.size()) + " snímků");
}

} // namespace

LoadOutcome loadCatalogue(AlbumState& state, const AlbumSettings& settings, FrontEnd& frontEnd) {
    return runReportingErrors(frontEnd, LoadOutcome{}, [&](LoadOutcome& outcome) {
        replaceCatalogue(state, settings, frontEnd, outcome);
    });
}

} // namespace vistarel
