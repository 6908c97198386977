#include "styles/StyleSheet.h"

#include <string_view>

namespace vistarel {
namespace {

constexpr std::array<StyleRow, kStyleRowCount> kRows{{
    {"Název stylu", 4, "", "", kNoSwatch},
    {"Barva pozadí", 3, "body", "background-color", 6},
    {"Barva posuvníku", 3, "body", "scrollbar-base-color", 7},
    {"Barva pozadí", 2, ".titulek", "background-color", 8},
    {"Písmo", 2, ".titulek", "font-family", kNoSwatch},
    {"Velikost písma", 2, ".titulek", "font-size", kNoSwatch},
    {"Tučnost písma", 2, ".titulek", "font-weight", kNoSwatch},
    {"Styl písma", 2, ".titulek", "font-style", kNoSwatch},
    {"Barva písma", 2, ".titulek", "color", 9},
    {"Zarovnání písma", 2, ".titulek", "text-align", kNoSwatch},
    {"Styl rámečku", 0, ".big", "border-style", kNoSwatch},
    {"Tloušťka rámečku", 0, ".big", "border-width", kNoSwatch},
    {"Barva rámečku", 0, ".big", "border-color", 10},
    {"Písmo", 1, ".nadpis", "font-family", kNoSwatch},
    {"Velikost písma", 1, ".nadpis", "font-size", kNoSwatch},
    {"Tučnost písma", 1, ".nadpis", "font-weight", kNoSwatch},
    {"Styl písma", 1, ".nadpis", "font-style", kNoSwatch},
    {"Barva písma", 1, ".nadpis", "color", 11},
}};

} // namespace

const std::array<StyleRow, kStyleRowCount>& styleRows() {
    return kRows;
}

bool isColourRow(int row) {
    return row >= 0 && row < kStyleRowCount &&
           std::string_view(kRows[row].caption).find("Barva") != std::string_view::npos;
}

// Rows of the same selector follow each other, so a block closes where the selector
// changes.
std::vector<std::string> composeStyleFile(const StyleSheet& sheet) {
    std::vector<std::string> lines;
    std::string_view open;
    for (int row = 1; row < kStyleRowCount; ++row) {
        const StyleRow& r = kRows[row];
        if (open != r.selector) {
            if (!open.empty())
                lines.emplace_back("  }");
            open = r.selector;
            lines.push_back(std::string(open) + " {");
        }
        lines.push_back("  " + std::string(r.property) + ": " + sheet.values[row] + ";");
    }
    lines.emplace_back("  }");
    return lines;
}

} // namespace vistarel
