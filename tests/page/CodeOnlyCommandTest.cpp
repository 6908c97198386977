#include "RecordingFrontEnd.h"
#include "TempFolder.h"

#include "common/FileSystem.h"
#include "page/CodeOnlyCommand.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace vistarel;
using namespace vistarel::testing;
using Calls = std::vector<std::string>;

namespace {

const std::string kNotice = "message Info information ok: Změnili jste rozlišení!\r\n"
                            "Změna se neprojeví, dokud nedáte znovu vytvořit album!";

// An output folder and a program folder whose css/ holds the style "novy.css".
class CodeOnlyCommandTest : public ::testing::Test {
protected:
    TempFolder program;
    TempFolder output;
    RecordingFrontEnd window;
    AlbumState state;

    void SetUp() override {
        setProgramFolder(program.path());
        writeFileBytes(program.subfolder("css") + "novy.css", "body {}\r\n");
        window.settings.outputFolder = output.path();
        window.settings.styleName = "novy.css";
        state.captionsEdited = true;
    }
    void TearDown() override { setProgramFolder(""); }

    bool exists(const std::string& name) const { return fileExists(output.file(name)); }
    std::string read(const std::string& name) const { return readFileBytes(output.file(name)); }
    PageOutcome run() {
        window.calls.clear();
        return runCodeOnlyCommand(state, window.settings, window);
    }
};

// The page, windows-1250 with CR LF and no byte-order mark, from the catalogue as it stands:
// the album name in the title and the heading as typed, the photo lines in catalogue order
// between the loader function and the layout code (the browser tests run that code).
TEST_F(CodeOnlyCommandTest, WritesPageAndStyleFromTheCatalogueAsItStands) {
    writeFileBytes(output.file("index.html"), std::string(100000, 'x')); // replaced whole
    window.settings.albumName = "<i>Léto</i> – Šumava €✓";
    state.catalogue = {PhotoRecord{"b.jpg", "", 600, 800, 75, 100, {}},
                       PhotoRecord{"A.JPG", "první", 800, 600, 100, 75, {}},
                       PhotoRecord{"never built.jpg", "✓", 0, 0, 0, 0, {}}};
    const PageOutcome outcome = run();
    EXPECT_EQ(outcome.ending, Ending::Done);
    EXPECT_TRUE(outcome.pageReached);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_FALSE(state.captionsEdited);
    EXPECT_EQ(state.photoSize, 800); // the size texts are read again
    EXPECT_EQ(read("color.css"), "body {}\r\n");
    const std::string page = read("index.html");
    const std::string name = "<i>L\xE9to</i> \x96 \x8Aumava \x80&#10003;";
    const std::string pieces[] = {
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n",
        "content=\"text/html; charset=windows-1250\">\r\n    <link href=\"color.css\"",
        "    <title>" + name + "</title>\r\n",
        "photo_list[photo_list.length++] = pic;\r\n      }\r\n\r\n"
        "      loadPic('b.jpg' , 75 , 100 , 600 , 800 , '');\r\n"
        "      loadPic('A.JPG' , 100 , 75 , 800 , 600 , 'prvn\xED');\r\n"
        "      loadPic('never built.jpg' , 0 , 0 , 0 , 0 , '&#10003;');\r\n"
        "\r\n      function winH()\r\n",
        "alt='zav\xF8\xEDt'",
        "    <span class=\"nadpis\"><center>" + name + "</center></span><br />\r\n"};
    std::size_t at = 0;
    for (const std::string& piece : pieces) {
        at = page.find(piece, at);
        ASSERT_NE(at, std::string::npos) << piece;
    }
    EXPECT_TRUE(page.ends_with("</html>\r\n"));
    for (std::size_t i = page.find('\n'); i != std::string::npos; i = page.find('\n', i + 1))
        ASSERT_EQ(page[i - 1], '\r') << "bare LF at " << i;
}

// While the sizes differ from the last build's, every run says so; a size text that does
// not parse then stops the command before it writes anything.
TEST_F(CodeOnlyCommandTest, ChangedSizesShowTheNoticeAndTheSizeTextsGateThePage) {
    state.resolutionChanged = true;
    window.settings.thumbSizeText = "";
    run();
    EXPECT_EQ(window.calls,
              (Calls{kNotice, "message Chyba warning ok: Špatně vyplněné rozlišení!"}));
    EXPECT_FALSE(exists("index.html") || exists("color.css"));
    EXPECT_TRUE(state.captionsEdited);
    window.settings.thumbSizeText = "100x75";
    run();
    EXPECT_EQ(window.calls, Calls{kNotice});
    EXPECT_TRUE(state.resolutionChanged);
}

TEST_F(CodeOnlyCommandTest, MissingOutputFolderOrStyleWritesNothingAndSaysNothing) {
    for (const std::string& missing : {output.path() + "gone/", std::string()}) {
        window.settings.outputFolder = missing;
        EXPECT_FALSE(run().pageReached);
        EXPECT_TRUE(window.calls.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(output.file("gone")) ||
                 std::filesystem::exists("color.css")); // not beside the test either
    window.settings.outputFolder = output.path();
    for (const char* style : {"", "deleted.css"}) {
        writeFileBytes(output.file("color.css"), "older");
        window.settings.styleName = style;
        EXPECT_EQ(run().ending, Ending::Done);
        EXPECT_EQ(read("color.css"), "older");
    }
}

// The page comes first: when it fails the style is not copied, but the page writer had
// found the folder, so the command stays enabled.
TEST_F(CodeOnlyCommandTest, AFileThatCannotBeCreatedIsAnError) {
    for (const char* blocked : {"index.html", "color.css"}) {
        std::filesystem::remove(output.file("index.html"));
        std::filesystem::create_directory(output.file(blocked));
        const PageOutcome outcome = run();
        const std::string text =
            "Cannot create file \"" + output.file(blocked) + "\". Is a directory";
        EXPECT_EQ(outcome.ending, Ending::Failed);
        EXPECT_EQ(outcome.error, text);
        EXPECT_TRUE(outcome.pageReached);
        EXPECT_EQ(window.calls, Calls{"message Vistarel error ok: " + text + "."});
        EXPECT_FALSE(fileExists(output.file("color.css")));
    }
}

} // namespace
