// Makes an album for the browser test the way the program does: generated photos and
// thumbnails at the sizes a build would have written, then the code-only command for the
// page and the style.
//
// make_test_album <album folder> <program folder> <description file>
// The description's first line is the album name; every further line is one photo:
// file name, thumbnail width and height, photo width and height, caption, separated by
// blanks, with the two texts as hexadecimal UTF-8 bytes ("-" for an empty text), and
// "exif" after them for a caption a build read from the photo (typed otherwise).
// The program folder's css/ holds the style "album.css".

#include "RecordingFrontEnd.h"
#include "TestPhotos.h"

#include "common/FileSystem.h"
#include "page/CodeOnlyCommand.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

using namespace vistarel;
using namespace vistarel::testing;

namespace {

std::string fromHex(const std::string& hex) {
    if (hex == "-")
        return {};
    std::string text;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        text += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return text;
}

PhotoRecord readPhoto(const std::string& line) {
    std::istringstream in(line);
    std::string name, caption, origin;
    PhotoRecord record;
    in >> name >> record.thumbWidth >> record.thumbHeight >> record.photoWidth >>
        record.photoHeight >> caption;
    if (!in)
        throw std::runtime_error("bad photo line: " + line);
    record.captionFromExif = in >> origin && origin == "exif";
    record.fileName = fromHex(name);
    record.caption = fromHex(caption);
    return record;
}

void writePictures(const std::string& folder, const PhotoCatalogue& catalogue) {
    unsigned seed = 1;
    for (const auto& record : catalogue) {
        if (record.photoWidth <= 0)
            continue; // never built: no files, as after a stopped build
        TestPhotoOptions options;
        options.seed = seed++;
        writeTestJpeg(folder + record.fileName, record.photoWidth, record.photoHeight, options);
        writeTestJpeg(folder + "sm_" + record.fileName, record.thumbWidth, record.thumbHeight,
                      options);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: make_test_album <album folder> <program folder> <description>\n";
        return 2;
    }
    try {
        std::ifstream description(argv[3]);
        std::string line;
        RecordingFrontEnd window;
        window.settings.outputFolder = withTrailingSeparator(argv[1]);
        window.settings.styleName = "album.css";
        std::getline(description, line);
        window.settings.albumName = fromHex(line);
        AlbumState state;
        while (std::getline(description, line))
            if (!line.empty())
                state.catalogue.push_back(readPhoto(line));

        writePictures(window.settings.outputFolder, state.catalogue);
        setProgramFolder(argv[2]);
        runCodeOnlyCommand(state, window.settings, window);
        for (const auto& message : window.messages())
            std::cerr << message << '\n';
        return window.messages().empty() ? 0 : 1;
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
}
