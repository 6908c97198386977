#include "styles/StyleFileReader.h"
#include "styles/StyleFileWriter.h"
#include "styles/StyleSheet.h"

#include "common/FileSystem.h"

#include <gtest/gtest.h>

namespace vistarel {
namespace {

StyleSheet numberedSheet() {
    StyleSheet sheet;
    for (int row = 0; row < kStyleRowCount; ++row)
        sheet.values[row] = "V" + std::to_string(row);
    return sheet;
}

TEST(StyleSheet, ComposesTheTwentyFiveLines) {
    const std::vector<std::string> expected = {
        "body {",
        "  background-color: V1;",
        "  scrollbar-base-color: V2;",
        "  }",
        ".titulek {",
        "  background-color: V3;",
        "  font-family: V4;",
        "  font-size: V5;",
        "  font-weight: V6;",
        "  font-style: V7;",
        "  color: V8;",
        "  text-align: V9;",
        "  }",
        ".big {",
        "  border-style: V10;",
        "  border-width: V11;",
        "  border-color: V12;",
        "  }",
        ".nadpis {",
        "  font-family: V13;",
        "  font-size: V14;",
        "  font-weight: V15;",
        "  font-style: V16;",
        "  color: V17;",
        "  }",
    };
    EXPECT_EQ(composeStyleFile(numberedSheet()), expected);
}

TEST(StyleSheet, ColourRowsAreTheSixWithSwatches) {
    int swatch = kFirstSwatch;
    for (int row = 0; row < kStyleRowCount; ++row) {
        const bool colour = row == 1 || row == 2 || row == 3 || row == 8 || row == 12 || row == 17;
        EXPECT_EQ(isColourRow(row), colour) << row;
        EXPECT_EQ(styleRows()[row].swatch, colour ? swatch++ : kNoSwatch) << row;
    }
    EXPECT_FALSE(isColourRow(-1));
    EXPECT_FALSE(isColourRow(kStyleRowCount));
}

TEST(StyleFileReader, TakesTheTextBetweenColonBlankAndSemicolon) {
    const std::pair<const char*, const char*> cases[] = {
        {"  color: #FF0000;", "#FF0000"},
        {"  font-family: Arial; serif;", "Arial"},
        {"a: b: c;", "b: c"},
        {"x:y: z;", "z"},
        {"  color: red", ""}, // no ";"
        {"a;b: c;", ""},      // the first ";" comes before the ": "
        {"a: ;", ""},
        {"  color:  red ;", " red "}, // blanks are kept
    };
    for (const auto& [line, value] : cases)
        EXPECT_EQ(propertyValue(line), value) << line;
}

TEST(StyleFileReader, OnlyLinesWithColonBlankGiveValues) {
    const std::vector<std::string> lines = {"body {", "",       "  a:b;", "  x: 1;",
                                            "  }",    "  y: 2", "z: 3;"};
    EXPECT_EQ(styleFileValues(lines), (std::vector<std::string>{"1", "", "3"}));
}

TEST(StyleFileWriter, WritesWindows1250AndEscapesWhatItLacks) {
    StyleSheet sheet = numberedSheet();
    sheet.values[4] = "Čeština €✓";
    const auto lines = encodeStyleFile(sheet);
    // Č is C8 and € is 80 in windows-1250; the tick has no byte there.
    EXPECT_EQ(lines[6], "  font-family: \xC8"
                        "e\x9Atina \x80\\2713 ;");
}

std::string shippedStylesFolder() {
    return std::string(VISTAREL_SOURCE_DIR) + "/resources/css/";
}

TEST(ShippedStyles, ThereAreAtLeastFive) {
    EXPECT_GE(listFilesWithExtension(shippedStylesFolder(), ".css").size(), 5u);
}

// Every shipped file is exactly what the save command would write for its values, and its
// six colours fill the six swatches in order.
TEST(ShippedStyles, ParseAndComposeToTheSameBytes) {
    for (const auto& name : listFilesWithExtension(shippedStylesFolder(), ".css")) {
        SCOPED_TRACE(name);
        const std::string path = shippedStylesFolder() + name;
        const auto values = styleFileValues(readStyleFileLines(path));
        ASSERT_EQ(values.size(), 17u);
        StyleSheet sheet;
        sheet.values[0] = name;
        std::copy(values.begin(), values.end(), sheet.values.begin() + 1);
        std::string composed;
        for (const auto& line : encodeStyleFile(sheet))
            composed += line + "\r\n";
        EXPECT_EQ(readFileBytes(path), composed);
        for (int row = 1; row < kStyleRowCount; ++row)
            EXPECT_EQ(sheet.values[row].find('#') != std::string::npos, isColourRow(row)) << row;
    }
}

} // namespace
} // namespace vistarel
