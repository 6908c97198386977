#include "common/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

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

std::set<std::string> listedInResourceFile() {
    const std::string qrc = readFileBytes(kResources + "icons/icons.qrc");
    std::set<std::string> files;
    const std::regex entry(R"re(<file alias="([^"]+)">([^<]+)</file>)re");
    for (auto it = std::sregex_iterator(qrc.begin(), qrc.end(), entry);
         it != std::sregex_iterator(); ++it) {
        EXPECT_TRUE(fileExists(kResources + "icons/" + (*it)[2].str())) << (*it)[2];
        files.insert((*it)[1].str());
    }
    return files;
}

} // namespace

TEST(ProgramPictures, EveryGlyphIsListedAndSizedAsItsNameSays) {
    const std::set<std::string> listed = listedInResourceFile();
    EXPECT_TRUE(listed.contains("about.png"));
    const std::regex sized(R"((.+)-(\d+)\.png)");
    int glyphs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kResources + "icons")) {
        const std::string name = entry.path().filename().string();
        std::smatch match;
        if (!std::regex_match(name, match, sized))
            continue;
        ++glyphs;
        EXPECT_TRUE(listed.contains(name)) << name;
        const PngHeader png = readPngHeader(entry.path().string());
        const unsigned size = std::stoul(match[2].str());
        EXPECT_EQ(png.width, size) << name;
        EXPECT_EQ(png.height, size) << name;
        EXPECT_EQ(png.colourType, 6) << name << " needs an alpha channel";
        EXPECT_TRUE(fileExists(kResources + "icons/src/" + match[1].str() + ".svg")) << name;
    }
    EXPECT_GE(glyphs, 2 * 15 + 6);
}

TEST(ProgramPictures, EveryButtonAndListPictureIsThere) {
    for (const char* name :
         {"folder", "load", "style-edit", "style-new", "build", "code-only", "stop",
          "delete-captions", "style-save", "section-picture", "section-letters", "section-info",
          "section-body", "style-name", "colour-picker"})
        for (const char* size : {"-16.png", "-32.png"})
            EXPECT_TRUE(fileExists(kResources + "icons/" + name + size)) << name << size;
    for (const char* size : {"16", "32", "48", "64", "128", "256"})
        EXPECT_TRUE(fileExists(kResources + "icons/vistarel-" + std::string(size) + ".png"));
    const PngHeader about = readPngHeader(kResources + "about.png");
    EXPECT_EQ(about.width, 327u);
    EXPECT_EQ(about.height, 315u);
}
