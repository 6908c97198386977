#include "TempFolder.h"
#include "common/Cp1250.h"
#include "common/FileSystem.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace vistarel;
using vistarel::testing::TempFolder;

TEST(Listing, FilesAndLinksToFilesByExtensionInAnyCaseInNaturalOrder) {
    TempFolder dir;
    for (const char* name : {"b10.JPG", "b9.jpg", "a.Jpg", "c.jpeg", "x.jpgx"})
        writeFileBytes(dir.file(name), "");
    dir.subfolder("folder.jpg");
    std::filesystem::create_symlink(dir.file("a.Jpg"), dir.file("link.jpg"));
    std::filesystem::create_symlink(dir.file("gone"), dir.file("dangling.jpg"));
    EXPECT_EQ(listFilesWithExtension(dir.path(), ".jpg"),
              (std::vector<std::string>{"a.Jpg", "b9.jpg", "b10.JPG", "link.jpg"}));
    EXPECT_TRUE(listFilesWithExtension(dir.file("missing/"), ".jpg").empty());
}

// Any byte string survives a round trip, the five bytes windows-1250 leaves undefined too.
TEST(Cp1250, ConvertsBothWaysAndKeepsEveryByte) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_TRUE(isValidUtf8(cp1250ToUtf8(all)));
    EXPECT_EQ(utf8ToCp1250(cp1250ToUtf8(all), htmlReference), all);
    EXPECT_EQ(cp1250ToUtf8("\xF8\xED\x8A\x9E\x80\x81\x98"), "říŠž€\u0081\u0098");
}

TEST(Cp1250, CharactersItLacksGoToTheWriterAndBrokenUtf8PassesThrough) {
    EXPECT_EQ(utf8ToCp1250("zavřít 日本", htmlReference), "zav\xF8\xEDt &#26085;&#26412;");
    EXPECT_EQ(utf8ToCp1250("😀", cssEscape), "\\1F600 ");
    EXPECT_EQ(utf8ToCp1250("\xFFx\xC0\xAF", htmlReference), "\xFFx\xC0\xAF");
    for (const char* bad : {"\xC0\xAF", "\xED\xA0\x80", "\xE2\x82"}) // overlong, surrogate, cut
        EXPECT_FALSE(isValidUtf8(bad)) << bad;
}
