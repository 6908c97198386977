#include "RecordingFrontEnd.h"
#include "TempFolder.h"

#include "common/Error.h"
#include "common/FileSystem.h"
#include "page/CodeOnlyCommand.h"
#include "page/PublishStyle.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vistarel;
using namespace vistarel::testing;

namespace {

const std::string kNotice = "message Info information ok: Změnili jste rozlišení!\r\n"
                            "Změna se neprojeví, dokud nedáte znovu vytvořit album!";
const std::string kSizeError = "message Chyba warning ok: Špatně vyplněné rozlišení!";

// An output folder and a program folder whose css/ holds the style "novy.css".
class CodeOnlyCommandTest : public ::testing::Test {
protected:
    TempFolder program;
    TempFolder output;
    RecordingFrontEnd window;
    AlbumState state;

    void SetUp() override {
        setProgramFolder(program.path());
        program.subfolder("css");
        writeFileBytes(stylesFolder() + "novy.css", "body {color: #000000;}\r\n");
        window.settings.outputFolder = output.path();
        window.settings.styleName = "novy.css";
        PhotoRecord record;
        record.fileName = "a.jpg";
        record.caption = "after the build";
        state.catalogue.push_back(std::move(record));
    }
    void TearDown() override { setProgramFolder(""); }

    bool exists(const std::string& name) const { return fileExists(output.file(name)); }
    std::string read(const std::string& name) const { return readFileBytes(output.file(name)); }
    PageOutcome run() { return runCodeOnlyCommand(state, window.settings, window); }
};

TEST_F(CodeOnlyCommandTest, WritesPageAndStyleFromTheCatalogueAsItStands) {
    state.captionsEdited = true;
    const PageOutcome outcome = run();
    EXPECT_EQ(outcome.ending, Ending::Done);
    EXPECT_TRUE(outcome.pageReached);
    EXPECT_NE(read("index.html").find("'after the build'"), std::string::npos);
    EXPECT_EQ(read("color.css"), "body {color: #000000;}\r\n");
    EXPECT_FALSE(state.captionsEdited);
    EXPECT_TRUE(window.messages().empty());
    EXPECT_EQ(state.thumbSize, 100); // the gate refreshes the sizes
    EXPECT_EQ(state.photoSize, 800);
}

TEST_F(CodeOnlyCommandTest, ChangedSizesShowTheNoticeEveryTimeAndKeepTheFlag) {
    state.resolutionChanged = true;
    run();
    run();
    EXPECT_EQ(window.messages(), (std::vector<std::string>{kNotice, kNotice}));
    EXPECT_TRUE(state.resolutionChanged);
    EXPECT_TRUE(exists("index.html"));
}

TEST_F(CodeOnlyCommandTest, UnreadableSizeTextStopsBeforeThePage) {
    state.resolutionChanged = true;
    state.captionsEdited = true;
    window.settings.thumbSizeText = "";
    run();
    EXPECT_EQ(window.messages(), (std::vector<std::string>{kNotice, kSizeError}));
    EXPECT_FALSE(exists("index.html"));
    EXPECT_FALSE(exists("color.css"));
    EXPECT_TRUE(state.captionsEdited);
}

TEST_F(CodeOnlyCommandTest, MissingOutputFolderWritesAndShowsNothing) {
    for (const std::string& missing : {output.path() + "gone/", std::string()}) {
        window.settings.outputFolder = missing;
        EXPECT_FALSE(run().pageReached);
    }
    EXPECT_TRUE(window.calls.empty());
    EXPECT_FALSE(std::filesystem::exists(output.file("gone")));
    EXPECT_FALSE(std::filesystem::exists("color.css")); // not beside the test either
}

TEST_F(CodeOnlyCommandTest, MissingStyleLeavesAnOlderColorCss) {
    for (const char* style : {"", "deleted.css"}) {
        writeFileBytes(output.file("color.css"), "older");
        window.settings.styleName = style;
        run();
        EXPECT_EQ(read("color.css"), "older");
        EXPECT_TRUE(exists("index.html"));
    }
    EXPECT_TRUE(window.messages().empty());
}

TEST_F(CodeOnlyCommandTest, FailedCopyOfTheStyleIsAnError) {
    std::filesystem::create_directory(output.file("color.css"));
    EXPECT_EQ(run().ending, Ending::Failed);
    EXPECT_EQ(window.messages(),
              std::vector<std::string>{"message Vistarel error ok: Cannot create file \"" +
                                       output.file("color.css") + "\". Is a directory."});
    EXPECT_TRUE(exists("index.html"));
}

TEST_F(CodeOnlyCommandTest, PageThatCannotBeCreatedEndsTheCommandBeforeTheStyle) {
    std::filesystem::create_directory(output.file("index.html"));
    const PageOutcome outcome = run();
    const std::string text =
        "Cannot create file \"" + output.file("index.html") + "\". Is a directory";
    EXPECT_EQ(outcome.ending, Ending::Failed);
    EXPECT_EQ(outcome.error, text);
    EXPECT_TRUE(outcome.pageReached) << "the code-only command stays enabled";
    EXPECT_EQ(window.messages(),
              std::vector<std::string>{"message Vistarel error ok: " + text + "."});
    EXPECT_FALSE(exists("color.css"));
}

TEST_F(CodeOnlyCommandTest, PublishStyleCopiesTheListedStyleByteForByte) {
    // A user's own style is published from the user's styles folder.
    ::setenv("XDG_DATA_HOME", program.file("data").c_str(), 1);
    const std::string own = program.subfolder("data/vistarel/css");
    std::string bytes = "/* \x9A\xE8 */\r\nbody {}\n";
    bytes += std::string(70000, 'z');
    writeFileBytes(own + "big.css", bytes);
    writeFileBytes(output.file("color.css"), std::string(200000, 'o'));
    window.settings.styleName = "big.css";
    PublishStyle(window.settings);
    EXPECT_EQ(read("color.css"), bytes);
}

} // namespace
