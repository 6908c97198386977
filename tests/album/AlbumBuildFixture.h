#pragma once

#include "album/BuildCommand.h"
#include "common/FileSystem.h"
#include "image/JpegImage.h"

#include "RecordingFrontEnd.h"
#include "TempFolder.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace vistarel::testing {

// An input and an output folder, a program folder with one style, and the build command
// driven through the recording front end.
struct AlbumBuild : ::testing::Test {
    TempFolder dir;
    std::string input = dir.subfolder("in");
    std::string output = dir.subfolder("out");
    RecordingFrontEnd window;
    AlbumState state;

    AlbumBuild() {
        ::setenv("TZ", "Europe/Prague", 1);
        ::tzset();
        setProgramFolder(dir.path());
        dir.subfolder("css");
        writeFileBytes(dir.file("css/a.css"), "body {}\r\n");
        window.settings.inputFolder = input;
        window.settings.outputFolder = output;
        window.settings.styleName = "a.css";
    }
    ~AlbumBuild() override { setProgramFolder(""); }

    void load(std::initializer_list<const char*> names) {
        for (const char* name : names)
            state.catalogue.push_back(PhotoRecord{name, {}, 0, 0, 0, 0, {}});
    }
    static std::string name(int i) { return "p" + std::to_string(i) + ".jpg"; }
    void loadNumbered(int count) {
        state.catalogue.clear();
        for (int i = 0; i < count; ++i)
            state.catalogue.push_back(PhotoRecord{name(i), {}, 0, 0, 0, 0, {}});
    }
    std::string page() const { return readFileBytes(output + "index.html"); }
    BuildOutcome build() { return runBuildCommand(state, window.settings, window); }
};

inline JpegImage decoded(const std::string& path) {
    JpegImage image;
    image.loadFromFile(path);
    return image;
}

} // namespace vistarel::testing
