#pragma once

#include <string>
#include <utility>
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
    // The caption is the photo's EXIF comment as a build read it: text, shown as written.
    // A caption the user typed is markup.
    bool captionFromExif = false;

    // What the comment editor stores: a changed caption becomes the user's own.
    void storeTypedCaption(std::string text) {
        if (text != caption)
            captionFromExif = false;
        caption = std::move(text);
    }
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
