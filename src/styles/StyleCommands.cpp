#include "styles/StyleCommands.h"

#include "common/FileSystem.h"
#include "common/Messages.h"
#include "styles/HtmlColor.h"
#include "styles/StyleFileReader.h"
#include "styles/StyleFileWriter.h"
#include "styles/StyleSheet.h"

#include <algorithm>
#include <vector>

namespace vistarel {
namespace {

StyleSheet sheetFromEditor(const WindowOps& window) {
    StyleSheet sheet;
    for (int row = 0; row < kStyleRowCount; ++row)
        sheet.values[row] = window.styleRow(row);
    return sheet;
}

bool hasEmptyValue(const StyleSheet& sheet) {
    return std::any_of(sheet.values.begin(), sheet.values.end(),
                       [](const std::string& value) { return value.empty(); });
}

// Writes unless a file of that name exists and the user keeps it.
void writeAskingBeforeOverwrite(WindowOps& window, const StyleSheet& sheet) {
    const std::string& name = sheet.values[0];
    const std::string path = stylesFolder() + name;
    if (fileExists(path) && !askYesNo(window, "Soubor " + name + " se stylem už existuje." + kCrLf +
                                                  "Chcete ho přepsat?"))
        return;
    writeStyleFile(path, sheet);
}

// The n-th value fills row n + 1; a value with "#" is a colour and paints the next swatch.
// Values past the last row and colours past the last swatch are left out.
void fillEditor(WindowOps& window, const std::string& name, std::vector<std::string> values) {
    window.setStyleRow(0, name);
    int swatch = kFirstSwatch;
    const std::size_t count = std::min<std::size_t>(values.size(), kStyleRowCount - 1);
    for (std::size_t i = 0; i < count; ++i) {
        std::string& value = values[i];
        if (value.find('#') != std::string::npos) {
            const auto colour = HtmlToColor(value, window);
            if (swatch < kFirstSwatch + kSwatchCount)
                window.setSwatch(swatch, colour);
            ++swatch;
        }
        window.setStyleRow(static_cast<int>(i) + 1, value);
    }
}

} // namespace

void ListStyles(WindowOps& window) {
    const std::string folder = stylesFolder();
    std::vector<std::string> names;
    if (folderExists(folder))
        names = listFilesWithExtension(folder, ".css");
    window.setStyleList(names);
    if (names.empty())
        showNotice(window, "Ve složce css nebyl nalezen žádný styl!");
}

bool isValidStyleName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

void saveStyleCommand(WindowOps& window) {
    const StyleSheet sheet = sheetFromEditor(window);
    if (hasEmptyValue(sheet)) {
        showNotice(window, "Všechny pole musejí být vyplněné!");
        return;
    }
    if (!isValidStyleName(sheet.values[0])) {
        showWarning(window, "Neplatný název stylu!");
        return;
    }
    writeAskingBeforeOverwrite(window, sheet);
    ListStyles(window);
}

void readStyleCommand(WindowOps& window) {
    const std::string name = window.readSettings().styleName;
    const std::vector<std::string> lines = readStyleFileLines(stylesFolder() + name);
    if (!lines.empty())
        fillEditor(window, name, styleFileValues(lines));
    window.showTab(TabStyle);
}

} // namespace vistarel
