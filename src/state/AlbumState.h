#pragma once

#include <string>
#include <vector>

namespace vistarel {

// One photo of the catalogue.
struct PhotoRecord {
    std::string fileName; // name only; input, album photo and thumbnail share it
    std::string caption;  // UTF-8, may hold line breaks
    int photoWidth = 0;
    int photoHeight = 0;
    int thumbWidth = 0;
    int thumbHeight = 0;
    std::string previewJpeg; // JPEG bytes set by a build, shown by the comment editor
};

using PhotoCatalogue = std::vector<PhotoRecord>;

// Everything the program knows between commands; one per run.
struct AlbumState {
    PhotoCatalogue catalogue;
    int thumbSize = 0;
    int photoSize = 0;
    int previewWidth = 0;
    int previewHeight = 0;
    bool captionsEdited = false;
    bool resolutionChanged = false;
    bool stopRequested = false;
};

} // namespace vistarel
