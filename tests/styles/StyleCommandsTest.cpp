#include "styles/StyleCommands.h"

#include "common/Error.h"
#include "common/FileSystem.h"

#include "RecordingFrontEnd.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vistarel {
namespace {

using testing::RecordingFrontEnd;

const char* const kBadColour = "message Chyba warning ok: Neplatný tvar barvy!";
const char* const kNoStyle = "message Info information ok: Ve složce css nebyl nalezen žádný styl!";

// A program folder in a temp folder, with or without its css/ folder.
class StyleCommands : public ::testing::Test {
protected:
    void SetUp() override {
        setProgramFolder(temp.path());
        css = temp.subfolder("css");
        ::setenv("XDG_DATA_HOME", temp.file("data").c_str(), 1);
    }
    void TearDown() override { setProgramFolder(""); }

    void writeStyle(const std::string& name, const std::string& bytes) {
        writeFileBytes(css + name, bytes);
    }
    void fillRows(const std::string& value) {
        for (auto& row : window.styleRows)
            row = value;
    }
    void fillValidSheet(const std::string& name) {
        const char* values[] = {
            "#FFFFFF", "#eeeeee", "#102030", "Georgia, 'Times New Roman', serif",
            "15px",    "normal",  "italic",  "#0a0B0c",
            "center",  "solid",   "6px",     "#FF8000",
            "Písmo ž", "28px",    "bold",    "normal",
            "#123456"};
        window.styleRows[0] = name;
        for (int row = 1; row < 18; ++row)
            window.styleRows[row] = values[row - 1];
    }
    // The window's part: it shows the refreshed list and selects the first style.
    StyleOutcome listed(StyleOutcome outcome) {
        if (outcome.styles) {
            window.calls.push_back("style list " + std::to_string(outcome.styles->size()));
            window.settings.styleName = outcome.styles->empty() ? "" : outcome.styles->front();
        }
        return outcome;
    }
    StyleOutcome list() { return listed(ListStyles(window)); }
    StyleOutcome save() { return listed(saveStyleCommand(window, window)); }
    StyleOutcome read(const std::string& name) {
        window.settings.styleName = name;
        return readStyleCommand(window.settings, window, window);
    }

    testing::TempFolder temp;
    std::string css;
    RecordingFrontEnd window;
};

TEST_F(StyleCommands, ListsCssFilesSortedIgnoringCase) {
    for (const char* name : {"b.css", "A.css", "c.CSS", "notes.txt", "css"})
        writeStyle(name, "");
    temp.subfolder("css/folder.css");
    EXPECT_EQ(list().styles, (std::vector<std::string>{"A.css", "b.css", "c.CSS"}));
    EXPECT_TRUE(window.messages().empty());
}

TEST_F(StyleCommands, EmptyOrMissingFolderTellsTheUser) {
    list();
    EXPECT_EQ(window.calls, (std::vector<std::string>{kNoStyle, "style list 0"}));

    setProgramFolder(temp.path() + "nowhere/");
    window.calls.clear();
    list();
    EXPECT_EQ(window.calls, (std::vector<std::string>{kNoStyle, "style list 0"}));
}

TEST_F(StyleCommands, SavedStyleReadsBackTheSameValues) {
    fillValidSheet("moje.css");
    const auto saved = std::to_array(window.styleRows);
    save();
    EXPECT_EQ(window.calls, std::vector<std::string>{"style list 1"});
    EXPECT_NE(readFileBytes(css + "moje.css")
                  .find("  font-family: P\xEDsmo \x9E;\r\n  font-size: 28px;\r\n"),
              std::string::npos);

    fillRows("old");
    window.calls.clear();
    EXPECT_EQ(read("moje.css").ending, Ending::Done);
    EXPECT_EQ(std::to_array(window.styleRows), saved);
    const std::map<int, std::uint32_t> swatches = {{6, 0xFFFFFF}, {7, 0xEEEEEE},  {8, 0x302010},
                                                   {9, 0x0C0B0A}, {10, 0x0080FF}, {11, 0x563412}};
    EXPECT_EQ(window.swatches, swatches);
    EXPECT_TRUE(window.messages().empty());
}

TEST_F(StyleCommands, SemicolonCutsTheValueOnReading) {
    fillValidSheet("cut.css");
    window.styleRows[4] = "Arial; serif";
    save();
    EXPECT_NE(readFileBytes(css + "cut.css").find("font-family: Arial; serif;\r\n"),
              std::string::npos);
    read("cut.css");
    EXPECT_EQ(window.styleRows[4], "Arial");
}

TEST_F(StyleCommands, RowsFollowFileOrderAndShortFilesKeepTheRest) {
    fillRows("old");
    window.swatches[7] = 42;
    writeStyle("hand.css", "p {\ncolor: #00FF00;\rfont-size: 10px;\r\n\r\nborder-width: 2px\n");
    read("hand.css");
    EXPECT_EQ(window.styleRows[0], "hand.css");
    EXPECT_EQ(window.styleRows[1], "#00FF00");
    EXPECT_EQ(window.styleRows[2], "10px");
    EXPECT_EQ(window.styleRows[3], ""); // no ";"
    for (int row = 4; row < 18; ++row)
        EXPECT_EQ(window.styleRows[row], "old") << row;
    EXPECT_EQ(window.swatches, (std::map<int, std::uint32_t>{{6, 0x00FF00}, {7, 42}}));
}

TEST_F(StyleCommands, SwatchesFollowTheValuesHoldingHash) {
    writeStyle("hash.css", "  a: #FF0000;\r\n"
                           "  b: 1px solid #000000;\r\n" // not a colour text: refused
                           "  c: x;\r\n"
                           "  d: ##;\r\n"
                           "  e: #0000FF;\r\n");
    read("hash.css");
    EXPECT_EQ(window.messages(), (std::vector<std::string>{kBadColour, kBadColour}));
    EXPECT_EQ(window.styleRows[2], "#000000");
    EXPECT_EQ(window.styleRows[4], "#000000");
    EXPECT_EQ(window.styleRows[5], "#0000FF");
    const std::map<int, std::uint32_t> swatches = {{6, 0x0000FF}, {7, 0}, {8, 0}, {9, 0xFF0000}};
    EXPECT_EQ(window.swatches, swatches);
}

TEST_F(StyleCommands, ExtraLinesAndColoursAreLeftOut) {
    std::string text;
    for (int i = 1; i <= 19; ++i)
        text += "  p: #0000" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ";\r\n";
    writeStyle("long.css", text);
    read("long.css");
    EXPECT_EQ(window.styleRows[17], "#000017");
    EXPECT_EQ(window.swatches.size(), 6u);
    EXPECT_EQ(window.swatches.rbegin()->first, 11);
}

TEST_F(StyleCommands, EmptyFileChangesNothingButShowsTheTab) {
    fillRows("old");
    writeStyle("empty.css", "");
    EXPECT_EQ(read("empty.css").ending, Ending::Done) << "the style page is shown";
    EXPECT_EQ(window.styleRows[0], "old");
    EXPECT_TRUE(window.calls.empty());

    writeStyle("braces.css", "body {\r\n}\r\n");
    read("braces.css");
    EXPECT_EQ(window.styleRows[0], "braces.css");
    EXPECT_EQ(window.styleRows[1], "old");
}

TEST_F(StyleCommands, ReadsWindows1250IntoUtf8) {
    writeStyle("cz.css", "  font-family: \xC8\x9A\xED;\r\n");
    read("cz.css");
    EXPECT_EQ(window.styleRows[1], "Čší");
}

TEST_F(StyleCommands, UnreadableStyleChangesNothing) {
    fillRows("old");
    for (const std::string name : {"gone.css", ""}) {
        const StyleOutcome outcome = read(name);
        EXPECT_EQ(outcome.ending, Ending::Failed);
        EXPECT_EQ(outcome.error.rfind("Cannot open file \"" + css + name + "\". ", 0), 0u)
            << outcome.error;
    }
    EXPECT_EQ(window.messages().size(), 2u);
    EXPECT_EQ(window.styleRows[0], "old");
}

TEST_F(StyleCommands, UsersOwnStylesAreListedBesideTheShippedOnesAndWin) {
    writeStyle("a.css", "  color: #111111;\r\n");
    writeStyle("b.css", "  color: #111111;\r\n");
    const std::string own = temp.subfolder("data/vistarel/css");
    writeFileBytes(own + "b.css", "  color: #222222;\r\n");
    writeFileBytes(own + "Á.css", "");
    EXPECT_EQ(list().styles, (std::vector<std::string>{"a.css", "Á.css", "b.css"}));
    read("b.css");
    EXPECT_EQ(window.styleRows[1], "#222222");

    // Where the program's folder cannot be written (here: it has no css/), styles are saved
    // to the user's folder.
    setProgramFolder(temp.path() + "installed/");
    fillValidSheet("nový.css");
    EXPECT_EQ(save().styles, (std::vector<std::string>{"Á.css", "b.css", "nový.css"}));
    EXPECT_TRUE(fileExists(own + "nový.css"));
}

TEST_F(StyleCommands, NameWithoutCssIsSavedButNotListed) {
    fillValidSheet("bez_pripony");
    save();
    EXPECT_TRUE(fileExists(css + "bez_pripony"));
    EXPECT_EQ(window.calls, (std::vector<std::string>{kNoStyle, "style list 0"}));
}

TEST_F(StyleCommands, OverwriteAsksFirst) {
    writeStyle("a.css", "keep");
    writeStyle("b.css", "keep");
    fillValidSheet("b.css");
    save();
    EXPECT_EQ(readFileBytes(css + "b.css"), "keep");
    EXPECT_EQ(window.calls,
              (std::vector<std::string>{
                  "message Info question yes/no: Soubor b.css se stylem už existuje.\r\n"
                  "Chcete ho přepsat?",
                  "style list 2"}));
    EXPECT_EQ(window.settings.styleName, "a.css");

    window.answers.push_back(MessageAnswer::Yes);
    save();
    EXPECT_EQ(readFileBytes(css + "b.css").substr(0, 8), "body {\r\n");
}

TEST_F(StyleCommands, RefusalsWriteNothingAndKeepTheList) {
    struct Case {
        const char* name;
        int emptyRow;
        const char* message;
    };
    const Case cases[] = {
        {"x.css", 17, "message Info information ok: Všechna pole musejí být vyplněná!"},
        {"", -1, "message Info information ok: Všechna pole musejí být vyplněná!"},
        {"../x.css", -1, "message Chyba warning ok: Neplatný název stylu!"},
        {"sub\\x.css", -1, "message Chyba warning ok: Neplatný název stylu!"},
        {".", -1, "message Chyba warning ok: Neplatný název stylu!"},
        {"..", -1, "message Chyba warning ok: Neplatný název stylu!"},
    };
    for (const auto& c : cases) {
        fillValidSheet(c.name);
        if (c.emptyRow >= 0)
            window.styleRows[c.emptyRow] = "";
        window.calls.clear();
        save();
        EXPECT_EQ(window.calls, std::vector<std::string>{c.message}) << c.name;
    }
    EXPECT_TRUE(listFilesWithExtension(css, "").empty());
    EXPECT_FALSE(fileExists(temp.file("x.css")));
}

TEST_F(StyleCommands, UnwritableStyleIsAnErrorBeforeTheRefresh) {
    // Neither the program's folder (it has no css/) nor the user's (a file is in its way).
    setProgramFolder(temp.path() + "nowhere/");
    writeFileBytes(temp.file("blocked"), "");
    ::setenv("XDG_DATA_HOME", temp.file("blocked").c_str(), 1);
    fillValidSheet("x.css");
    const StyleOutcome outcome = save();
    EXPECT_EQ(outcome.ending, Ending::Failed);
    EXPECT_FALSE(outcome.styles);
    EXPECT_EQ(outcome.error.rfind(
                  "Cannot create file \"" + temp.file("blocked") + "/vistarel/css/x.css\". ", 0),
              0u)
        << outcome.error;
    EXPECT_EQ(window.messages().size(), 1u);
}

} // namespace
} // namespace vistarel
