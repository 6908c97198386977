#pragma once

#include <string>

namespace vistarel {

// The user's settings as the window's controls hold them, read when a command starts.
struct AlbumSettings {
    std::string albumName = "Vistarel";
    std::string inputFolder;  // ends in '/' when not empty
    std::string outputFolder; // ends in '/' when not empty
    std::string thumbSizeText = "100x75";
    std::string photoSizeText = "800x600";
    int thumbQuality = 60;
    int photoQuality = 80;
    std::string styleName; // file name of the chosen style, "" when there is none
};

} // namespace vistarel
