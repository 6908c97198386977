#pragma once

#include "common/WindowOps.h"
#include "state/AlbumState.h"

#include <string>
#include <vector>

namespace vistarel {

// Writes "index.html" into the output folder from the catalogue as it stands.
class AlbumPageWriter {
public:
    AlbumPageWriter(AlbumState& state, WindowOps& window) : state_(state), window_(window) {}

    // Does nothing at all when the output folder is missing. Otherwise tells the window the
    // page is being written, clears captionsEdited and replaces the file. Throws Error
    // ("Cannot create file ...", "Stream write error") when the file cannot be written;
    // the flag stays cleared then.
    void WriteAlbumPage();

private:
    AlbumState& state_;
    WindowOps& window_;
};

// Shorthand for AlbumPageWriter(state, window).WriteAlbumPage().
void WriteAlbumPage(AlbumState& state, WindowOps& window);

// The file's rows as windows-1250 bytes, without line ends.
std::vector<std::string> composeAlbumPage(const std::string& albumName,
                                          const PhotoCatalogue& catalogue);

} // namespace vistarel
