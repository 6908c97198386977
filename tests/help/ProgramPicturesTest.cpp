#include "common/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <utility>

using namespace vistarel;

namespace {

const std::string kResources = VISTAREL_RESOURCES_DIR;

struct PngHeader {
    unsigned width = 0;
    unsigned height = 0;
    int colourType = -1;
};

PngHeader readPngHeader(const std::string& path) {
    const std::string bytes = readFileBytes(path);
    PngHeader header;
    if (bytes.size() < 26 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0)
        return header;
    const auto big = [&](std::size_t at) {
        unsigned value = 0;
        for (std::size_t i = 0; i < 4; ++i)
            value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        return value;
    };
    header.width = big(16);
    header.height = big(20);
    header.colourType = static_cast<unsigned char>(bytes[25]);
    return header;
}

// Aliases of the resource file's <file alias="name">path</file> entries.
std::set<std::string> listedInResourceFile() {
    const std::string qrc = readFileBytes(kResources + "icons/icons.qrc");
    const std::string opening = "<file alias=\"";
    std::set<std::string> aliases;
    for (auto at = qrc.find(opening); at != std::string::npos; at = qrc.find(opening, at)) {
        at += opening.size();
        const auto aliasEnd = qrc.find("\">", at);
        const auto pathEnd = qrc.find("</file>", aliasEnd);
        if (aliasEnd == std::string::npos || pathEnd == std::string::npos)
            break;
        const std::string path = qrc.substr(aliasEnd + 2, pathEnd - aliasEnd - 2);
        EXPECT_TRUE(fileExists(kResources + "icons/" + path)) << path;
        aliases.insert(qrc.substr(at, aliasEnd - at));
    }
    return aliases;
}

// "load-32.png" -> {"load", 32}; size 0 for names without a size.
std::pair<std::string, unsigned> nameAndSize(const std::string& file) {
    const auto dash = file.rfind('-');
    if (dash == std::string::npos || !file.ends_with(".png"))
        return {file, 0};
    const std::string digits = file.substr(dash + 1, file.size() - dash - 5);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
        return {file, 0};
    return {file.substr(0, dash), static_cast<unsigned>(std::stoul(digits))};
}

} // namespace

TEST(ProgramPictures, EveryGlyphIsListedAndSizedAsItsNameSays) {
    const std::set<std::string> listed = listedInResourceFile();
    EXPECT_TRUE(listed.contains("about.png"));
    int glyphs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kResources + "icons")) {
        const std::string file = entry.path().filename().string();
        const auto [name, size] = nameAndSize(file);
        if (size == 0)
            continue;
        ++glyphs;
        EXPECT_TRUE(listed.contains(file)) << file;
        const PngHeader png = readPngHeader(entry.path().string());
        EXPECT_EQ(png.width, size) << file;
        EXPECT_EQ(png.height, size) << file;
        EXPECT_EQ(png.colourType, 6) << file << " needs an alpha channel";
        EXPECT_TRUE(fileExists(kResources + "icons/src/" + name + ".svg")) << file;
    }
    EXPECT_GE(glyphs, 3 * 15 + 6);
}

TEST(ProgramPictures, EveryButtonAndListPictureIsThere) {
    for (const char* name :
         {"folder", "load", "style-edit", "style-new", "build", "code-only", "stop",
          "delete-captions", "style-save", "section-picture", "section-letters", "section-info",
          "section-body", "style-name", "colour-picker"})
        for (const char* size : {"-16.png", "-32.png", "-64.png"})
            EXPECT_TRUE(fileExists(kResources + "icons/" + name + size)) << name << size;
    for (const char* size : {"16", "32", "48", "64", "128", "256"})
        EXPECT_TRUE(fileExists(kResources + "icons/vistarel-" + std::string(size) + ".png"));
    const PngHeader about = readPngHeader(kResources + "about.png");
    // Twice the about page, so a larger window still shows it sharp.
    EXPECT_EQ(about.width, 654u);
    EXPECT_EQ(about.height, 630u);
}
