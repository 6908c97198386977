#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vistarel {

// Where a photo's caption came from, which decides how the page writes it and whether a
// build may replace it.
enum class CaptionOrigin {
    Photo, // the photo's own (EXIF comment and the like): text; each build reads it anew
    User,  // typed by the user, in the comment editor or in the page: markup, kept
    Page,  // taken back from a page without a record of its origin: written back as it
           // stood; the next build keeps it unless it is what the photo's own would write
};

// One photo of the catalogue.
struct PhotoRecord {
    std::string fileName; // name only; input, album photo and thumbnail share it
    std::string caption;  // UTF-8, may hold line breaks
    int photoWidth = 0;
    int photoHeight = 0;
    int thumbWidth = 0;
    int thumbHeight = 0;
    std::string previewJpeg; // JPEG bytes set by a build, shown by the comment editor
    CaptionOrigin captionOrigin = CaptionOrigin::Photo;

    // What the comment editor stores: a changed caption becomes the user's own.
    void storeTypedCaption(std::string text) {
        if (text != caption)
            captionOrigin = CaptionOrigin::User;
        caption = std::move(text);
    }
    // No caption, and the next build gives the photo its own again.
    void clearCaption() {
        caption.clear();
        captionOrigin = CaptionOrigin::Photo;
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
