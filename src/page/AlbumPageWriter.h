#pragma once

#include "common/AlbumSettings.h"
#include "state/AlbumState.h"

#include <string>
#include <vector>

namespace vistarel {

// Writes "index.html" into the output folder from the catalogue as it stands.
class AlbumPageWriter {
public:
    AlbumPageWriter(AlbumState& state, const AlbumSettings& settings)
        : state_(state), settings_(settings) {}

    // Does nothing at all when the output folder is missing. Otherwise clears captionsEdited and
    // replaces the file. Throws Error ("Cannot create file ...", "Cannot write file ...") when the
    // file cannot be written; the flag stays cleared then.
    void WriteAlbumPage();

private:
    AlbumState& state_;
    const AlbumSettings& settings_;
};

// The file's rows as windows-1250 bytes, without line ends.
std::vector<std::string> composeAlbumPage(const std::string& albumName,
                                          const PhotoCatalogue& catalogue);

} // namespace vistarel
