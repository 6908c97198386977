#pragma once

#include "common/CaptionSources.h"

#include <string>

namespace vistarel {

// The user's settings as the front end holds them, read once when a command starts and
// passed down to everything the command does.
struct AlbumSettings {
    std::string albumName = "Vistarel";
    std::string inputFolder;  // ends in '/' when not empty
    std::string outputFolder; // ends in '/' when not empty
    std::string thumbSizeText = "100x75";
    std::string photoSizeText = "800x600";
    int thumbQuality = 60;
    int photoQuality = 80;
    std::string styleName; // file name of the chosen style, "" when there is none
    // The box the comment editor shows previews in, scaled to fit: a larger preview would
    // never be seen.
    int previewWidth = 315;
    int previewHeight = 186;
    bool keepPreviews = true; // a build keeps previews only for a front end that shows them
    bool turnUpright = true;  // turn photos as their EXIF orientation says (CLI may opt out)
    int jobs = 0; // photos made at once: one per hardware thread, at most this when positive
    CaptionSources
        captionSources;     // where a photo's own caption is looked for (the CLI may narrow it)
    bool remakeAll = false; // make every photo, even those the album record finds up to date
    bool prune = false;     // remove the files the record lists for photos no longer in the input
    bool keepGoing = false; // leave out a photo that cannot be read, rather than end the build
};

} // namespace vistarel
