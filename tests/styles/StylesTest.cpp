#include "RecordingFrontEnd.h"
#include "TempFolder.h"
#include "common/FileSystem.h"
#include "styles/HtmlColor.h"
#include "styles/StyleCommands.h"
#include "styles/StyleFileReader.h"
#include "styles/StyleFileWriter.h"
#include "styles/StyleSheet.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace vistarel;
using vistarel::testing::RecordingFrontEnd;
using Names = std::vector<std::string>;
using Swatches = std::map<int, std::uint32_t>;

namespace {

const char* const kBadColour = "message Chyba warning ok: Neplatný tvar barvy!";

// A program folder with an empty css/, and a folder of the user's own styles.
class StyleCommands : public ::testing::Test {
protected:
    void SetUp() override {
        setProgramFolder(temp.path());
        ::setenv("XDG_DATA_HOME", temp.file("data").c_str(), 1);
    }
    void TearDown() override { setProgramFolder(""); }

    void fillSheet(const std::string& name) {
        const char* values[] = {"#FFFFFF", "#eeeeee", "#102030",   "Georgia; serif", "15px",
                                "normal",  "italic",  "#0a0B0c",   "center",         "solid",
                                "6px",     "#FF8000", "Písmo ž ✓", "28px",           "bold",
                                "normal",  "#123456"};
        window.styleRows[0] = name;
        std::copy(std::begin(values), std::end(values), window.styleRows + 1);
    }
    void fillOld() { std::fill(std::begin(window.styleRows), std::end(window.styleRows), "old"); }
    StyleOutcome save() {
        window.calls.clear();
        return saveStyleCommand(window, window);
    }
    StyleOutcome read(const std::string& name) {
        window.calls.clear();
        window.settings.styleName = name;
        return readStyleCommand(window.settings, window, window);
    }

    vistarel::testing::TempFolder temp;
    std::string css = temp.subfolder("css");
    std::string own = temp.file("data/vistarel/css/");
    RecordingFrontEnd window;
};

TEST_F(StyleCommands, ListsBothFoldersInNaturalOrderAndTheUsersStyleWins) {
    for (const char* name : {"b.css", "A.css", "c.CSS"})
        writeFileBytes(css + name, "  color: #111111;\r\n");
    writeFileBytes(temp.subfolder("data/vistarel/css") + "b.css", "  color: #222222;\r\n");
    writeFileBytes(own + "Á.css", "");
    EXPECT_EQ(ListStyles(window).styles, (Names{"A.css", "Á.css", "b.css", "c.CSS"}));
    read("b.css");
    EXPECT_EQ(window.styleRows[1], "#222222");
}

// Saved, read back, then saved over after asking.
TEST_F(StyleCommands, SavedStyleReadsBackItsRowsAndSwatches) {
    fillSheet("moje.css");
    auto expected = std::to_array(window.styleRows);
    expected[4] = "Georgia";          // a ";" ends the value on reading
    expected[13] = "Písmo ž \\2713 "; // windows-1250 lacks the tick: written as a CSS escape
    EXPECT_EQ(save().styles, Names{"moje.css"});
    EXPECT_NE(readFileBytes(css + "moje.css")
                  .find("  font-family: P\xEDsmo \x9E \\2713 ;\r\n  font-size: 28px;\r\n"),
              std::string::npos);
    fillOld();
    EXPECT_EQ(read("moje.css").ending, Ending::Done);
    EXPECT_EQ(std::to_array(window.styleRows), expected);
    const Swatches swatches = {{6, 0xFFFFFF}, {7, 0xEEEEEE},  {8, 0x302010},
                               {9, 0x0C0B0A}, {10, 0x0080FF}, {11, 0x563412}};
    EXPECT_EQ(window.swatches, swatches);
    EXPECT_TRUE(window.messages().empty());
    window.styleRows[2] = "#000000";
    EXPECT_EQ(save().styles, Names{"moje.css"});
    EXPECT_EQ(window.calls, Names{"message Info question yes/no: Soubor moje.css se stylem už "
                                  "existuje.\r\nChcete ho přepsat?"});
    EXPECT_EQ(readFileBytes(css + "moje.css").find("#000000"), std::string::npos);
    window.answers.push_back(MessageAnswer::Yes);
    save();
    EXPECT_NE(readFileBytes(css + "moje.css").find("#000000"), std::string::npos);
}

// Line n with ": " fills row n + 1; a value with "#" fills the next swatch or warns.
TEST_F(StyleCommands, ReadingFollowsTheFileOrderAndKeepsWhatTheFileLacks) {
    fillOld();
    window.swatches[9] = 42;
    writeFileBytes(css + "hand.css",
                   "p {\n  a: #00FF00;\r  b: 1px solid #000000;\r\n\r\nc: x;\n  d: ##;\n  e: 2\n");
    read("hand.css");
    EXPECT_EQ(window.messages(), (Names{kBadColour, kBadColour}));
    EXPECT_EQ(Names(window.styleRows, window.styleRows + 7),
              (Names{"hand.css", "#00FF00", "#000000", "x", "#000000", "", "old"}));
    EXPECT_EQ(window.swatches, (Swatches{{6, 0x00FF00}, {7, 0}, {8, 0}, {9, 42}}));

    std::string nineteen; // more values than rows and more colours than swatches
    for (int i = 10; i <= 28; ++i)
        nineteen += "  p: #0000" + std::to_string(i) + ";\r\n";
    writeFileBytes(css + "long.css", nineteen);
    read("long.css");
    EXPECT_EQ(window.styleRows[17], "#000026");
    EXPECT_EQ(window.swatches.rbegin()->first, 11);
}

TEST_F(StyleCommands, EmptyOrUnreadableFilesLeaveTheEditorAlone) {
    fillOld();
    writeFileBytes(css + "empty.css", "");
    EXPECT_EQ(read("empty.css").ending, Ending::Done) << "the style page is still shown";
    EXPECT_TRUE(window.calls.empty());
    for (const std::string name : {"gone.css", ""}) {
        const StyleOutcome outcome = read(name);
        EXPECT_EQ(outcome.ending, Ending::Failed);
        EXPECT_EQ(outcome.error.rfind("Cannot open file \"" + css + name + "\". ", 0), 0u);
        EXPECT_EQ(window.messages().size(), 1u);
    }
    EXPECT_EQ(window.styleRows[0], "old");
}

TEST_F(StyleCommands, RefusalsWriteNothingAndListNothing) {
    const std::string empty = "message Info information ok: Všechna pole musejí být vyplněná!";
    const std::string invalid = "message Chyba warning ok: Neplatný název stylu!";
    const std::pair<const char*, std::string> rows[] = {
        {"x.css", empty},      {"", empty},    {"../x.css", invalid},
        {"a\\x.css", invalid}, {".", invalid}, {"..", invalid}};
    for (const auto& [name, message] : rows) {
        fillSheet(name);
        window.styleRows[17] = std::string(name) == "x.css" ? "" : "#000000";
        EXPECT_FALSE(save().styles) << name;
        EXPECT_EQ(window.calls, Names{message}) << name;
    }
    EXPECT_TRUE(listFilesWithExtension(css, "").empty());
    EXPECT_FALSE(fileExists(temp.file("x.css")));
}

// Without the program's css/, styles go to the user's folder; without that, saving fails.
TEST_F(StyleCommands, SavingFallsBackToTheUsersFolder) {
    setProgramFolder(temp.file("installed/"));
    fillSheet("nový.css");
    EXPECT_EQ(save().styles, Names{"nový.css"});
    EXPECT_TRUE(fileExists(own + "nový.css"));

    writeFileBytes(temp.file("blocked"), "");
    ::setenv("XDG_DATA_HOME", temp.file("blocked").c_str(), 1);
    const StyleOutcome outcome = save();
    EXPECT_EQ(outcome.ending, Ending::Failed);
    EXPECT_FALSE(outcome.styles);
    EXPECT_EQ(outcome.error.rfind(
                  "Cannot create file \"" + temp.file("blocked") + "/vistarel/css/nový.css\". ", 0),
              0u);
    EXPECT_EQ(window.messages().size(), 1u);
}

} // namespace

// Characters two to seven are three hexadecimal pairs, red first; the first is not looked at.
TEST(HtmlColor, ParsesAndWritesRedFirst) {
    const std::pair<const char*, std::optional<std::uint32_t>> rows[] = {
        {"#ff8000", 0x0080FF}, {"#FF8000xyz", 0x0080FF}, {"č0A0B0C", 0x0C0B0A},
        {"#aBcDeF", 0xEFCDAB}, {"#FF800", {}},           {"", {}},
        {"#GG0000", {}},       {"# FF000", {}},          {"#+1FF00", {}},
        {"#FFčFFFF", {}}};
    for (const auto& [text, colour] : rows)
        EXPECT_EQ(parseHtmlColor(text), colour) << text;
    EXPECT_EQ(ColorToHtml(0xFF0A0B0C), "#0C0B0A");
}

// Every shipped style is exactly what the save command writes for its values, and its
// colours are in the six colour rows.
TEST(ShippedStyles, ParseAndComposeToTheSameBytes) {
    const std::string folder = std::string(VISTAREL_SOURCE_DIR) + "/resources/css/";
    const auto names = listFilesWithExtension(folder, ".css");
    EXPECT_GE(names.size(), 5u);
    for (const auto& name : names) {
        SCOPED_TRACE(name);
        const auto values = styleFileValues(readStyleFileLines(folder + name));
        ASSERT_EQ(values.size(), 17u);
        StyleSheet sheet;
        std::copy(values.begin(), values.end(), sheet.values.begin() + 1);
        std::string composed;
        for (const auto& line : encodeStyleFile(sheet))
            composed += line + "\r\n";
        EXPECT_EQ(readFileBytes(folder + name), composed);
        for (int row = 1; row < kStyleRowCount; ++row)
            EXPECT_EQ(sheet.values[row].find('#') != std::string::npos, isColourRow(row)) << row;
    }
}
