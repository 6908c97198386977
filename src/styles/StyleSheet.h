#pragma once

#include <array>
#include <string>
#include <vector>

namespace vistarel {

inline constexpr int kStyleRowCount = 18; // the file name and the 17 property values
inline constexpr int kFirstSwatch = 6;    // swatches 6..11 of the editor's image list
inline constexpr int kSwatchCount = 6;
inline constexpr int kNoSwatch = -1;

// One row of the style editor: what it shows and where its value goes in the file.
struct StyleRow {
    const char* caption;
    int sectionIcon; // index into the editor's image list
    const char* selector;
    const char* property;
    int swatch; // image index of the row's colour swatch, kNoSwatch for other rows
};

// Row 0 is the file name, which has neither selector nor property.
const std::array<StyleRow, kStyleRowCount>& styleRows();

// A colour row is one whose caption contains "Barva".
bool isColourRow(int row);

// The editor's 18 values, UTF-8, kept exactly as typed or read.
struct StyleSheet {
    std::array<std::string, kStyleRowCount> values;
};

// The 25 lines of a style file (UTF-8, without line ends) made from rows 1-17.
std::vector<std::string> composeStyleFile(const StyleSheet& sheet);

} // namespace vistarel
