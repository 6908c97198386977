#include "common/FileSystem.h"
#include "common/Error.h"

#include "TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace vistarel;
using vistarel::testing::TempFolder;

TEST(GeneralErrorText, AppendsAFullStopAfterCharactersSortingAfterIt) {
    EXPECT_EQ(generalErrorText("Stream write error"), "Stream write error.");
    EXPECT_EQ(generalErrorText("I/O error 5"), "I/O error 5.");
    EXPECT_EQ(generalErrorText("Done."), "Done.");
    EXPECT_EQ(generalErrorText("Really!"), "Really!");
    EXPECT_EQ(generalErrorText("a)"), "a)");
    EXPECT_EQ(generalErrorText(""), "");
}

TEST(TextFiles, ReadAcceptsEveryLineEndAndWriteUsesCrLf) {
    TempFolder dir;
    writeFileBytes(dir.file("a.txt"), "one\r\ntwo\nthree\rfour");
    EXPECT_EQ(readTextLines(dir.file("a.txt")),
              (std::vector<std::string>{"one", "two", "three", "four"}));
    writeTextLines(dir.file("b.txt"), {"x", "", "y"});
    EXPECT_EQ(readFileBytes(dir.file("b.txt")), "x\r\n\r\ny\r\n");
    EXPECT_EQ(readTextLines(dir.file("b.txt")), (std::vector<std::string>{"x", "", "y"}));
}

TEST(TextFiles, ErrorsCarryTheProgramsTexts) {
    TempFolder dir;
    try {
        readTextLines(dir.file("missing.css"));
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.text(), "Cannot open file \"" + dir.file("missing.css") +
                                "\". No such file or directory");
    }
    try {
        writeTextLines(dir.file("no/such/folder.css"), {"x"});
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.text().rfind("Cannot create file \"" + dir.file("no/such/folder.css"), 0), 0u);
    }
}

TEST(Listing, FilesAndLinksToFilesByExtensionInAnyCase) {
    TempFolder dir;
    for (const char* name : {"b.JPG", "a.jpg", "C.Jpg", "c.jpeg", "x.jpgx", "_z.jpg"})
        writeFileBytes(dir.file(name), "");
    dir.subfolder("folder.jpg");
    std::filesystem::create_symlink(dir.file("a.jpg"), dir.file("link.jpg"));
    std::filesystem::create_symlink(dir.file("gone"), dir.file("dangling.jpg"));
    EXPECT_EQ(listFilesWithExtension(dir.path(), ".jpg"),
              (std::vector<std::string>{"_z.jpg", "a.jpg", "b.JPG", "C.Jpg", "link.jpg"}));
    EXPECT_TRUE(listFilesWithExtension(dir.file("missing/"), ".jpg").empty());
}

TEST(Folders, SameExistingFolderSeesThroughLinksAndSlashes) {
    TempFolder dir;
    const auto real = dir.subfolder("real");
    std::filesystem::create_directory_symlink(real, dir.file("alias"));
    EXPECT_TRUE(sameExistingFolder(real, dir.file("alias/")));
    EXPECT_TRUE(sameExistingFolder(real, dir.file("real//")));
    EXPECT_FALSE(sameExistingFolder(real, dir.path()));
    EXPECT_FALSE(sameExistingFolder(dir.file("none/"), dir.file("none/")));
}

TEST(Folders, ProgramFolderIsBesideTheProgramOrItsInstalledShare) {
    TempFolder dir;
    const auto bin = dir.subfolder("bin");
    EXPECT_EQ(programFolderFor(bin), bin);
    std::filesystem::create_directories(dir.file("share/vistarel/css"));
    EXPECT_EQ(programFolderFor(dir.file("bin")), dir.file("share/vistarel/"));
    dir.subfolder("bin/css");
    EXPECT_EQ(programFolderFor(bin), bin);
}
