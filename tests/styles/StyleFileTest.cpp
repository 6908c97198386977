#include "styles/StyleFileReader.h"
#include "styles/StyleFileWriter.h"
#include "styles/StyleSheet.h"

#include "common/FileSystem.h"

#include <gtest/gtest.h>

using namespace vistarel;

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
