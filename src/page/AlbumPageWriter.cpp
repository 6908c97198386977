#include "page/AlbumPageWriter.h"

#include "common/Cp1250.h"
#include "common/FileSystem.h"
#include "page/AlbumPageTemplate.h"
#include "page/PhotoLine.h"

namespace vistarel {

std::vector<std::string> composeAlbumPage(const std::string& albumName,
                                          const PhotoCatalogue& catalogue) {
    std::vector<std::string> photoLines;
    photoLines.reserve(catalogue.size());
    for (const auto& record : catalogue)
        photoLines.push_back(photoLine(record));
    auto rows = albumPageRows(albumName, photoLines);
    for (auto& row : rows)
        row = utf8ToCp1250(row, htmlReference);
    return rows;
}

void AlbumPageWriter::WriteAlbumPage() {
    const AlbumSettings settings = window_.readSettings();
    if (!folderExists(settings.outputFolder))
        return;
    window_.pageWritten();
    state_.captionsEdited = false;
    const auto rows = composeAlbumPage(settings.albumName, state_.catalogue);
    writeTextLines(settings.outputFolder + "index.html", rows);
}

void WriteAlbumPage(AlbumState& state, WindowOps& window) {
    AlbumPageWriter(state, window).WriteAlbumPage();
}

} // namespace vistarel
