#include "common/FileSystem.h"
#include "common/Error.h"

#include "TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace vistarel;
using vistarel::testing::TempFolder;

TEST(GeneralErrorText, AppendsAFullStopAfterCharactersSortingAfterIt) {
    const std::pair<const char*, const char*> rows[] = {
        {"I/O error 5", "I/O error 5."}, {"Done.", "Done."}, {"Really!", "Really!"}, {"", ""}};
    for (const auto& [text, shown] : rows)
        EXPECT_EQ(generalErrorText(text), shown);
}

TEST(TextFiles, ReadEveryLineEndWriteCrLfAndFailWithTheProgramsTexts) {
    TempFolder dir;
    writeFileBytes(dir.file("a.txt"), "one\r\ntwo\nthree\rfour");
    EXPECT_EQ(readTextLines(dir.file("a.txt")),
              (std::vector<std::string>{"one", "two", "three", "four"}));
    writeTextLines(dir.file("b.txt"), {"x", "", "y"});
    EXPECT_EQ(readFileBytes(dir.file("b.txt")), "x\r\n\r\ny\r\n");
    try {
        readTextLines(dir.file("missing.css"));
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_EQ(e.text(), "Cannot open file \"" + dir.file("missing.css") +
                                "\". No such file or directory");
    }
}

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

// Beside the executable while it has its css/ there, else the installed share folder.
TEST(Folders, ProgramFolderIsBesideTheProgramOrItsInstalledShare) {
    TempFolder dir;
    const auto bin = dir.subfolder("bin");
    EXPECT_EQ(programFolderFor(bin), bin);
    std::filesystem::create_directories(dir.file("share/vistarel/css"));
    EXPECT_EQ(programFolderFor(dir.file("bin")), dir.file("share/vistarel/"));
    dir.subfolder("bin/css");
    EXPECT_EQ(programFolderFor(bin), bin);
}
