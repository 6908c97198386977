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
    if (!folderExists(settings_.outputFolder))
        return;
    state_.captionsEdited = false;
    const auto rows = composeAlbumPage(settings_.albumName, state_.catalogue);
    writeTextLines(settings_.outputFolder + "index.html", rows);
}

} // namespace vistarel
