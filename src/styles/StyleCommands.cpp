#include "styles/StyleCommands.h"

#include "common/FileSystem.h"
#include "common/Messages.h"
#include "styles/HtmlColor.h"
#include "styles/StyleFileReader.h"
#include "styles/StyleFileWriter.h"
#include "styles/StyleFolders.h"
#include "styles/StyleSheet.h"

#include <algorithm>
#include <vector>

namespace vistarel {
namespace {

StyleSheet sheetFromEditor(const StyleEditorView& editor) {
    StyleSheet sheet;
    for (int row = 0; row < kStyleRowCount; ++row)
        sheet.values[row] = editor.styleRow(row);
    return sheet;
}

bool hasEmptyValue(const StyleSheet& sheet) {
    return std::any_of(sheet.values.begin(), sheet.values.end(),
                       [](const std::string& value) { return value.empty(); });
}

// Writes unless a file of that name exists and the user keeps it.
void writeAskingBeforeOverwrite(FrontEnd& frontEnd, const StyleSheet& sheet) {
    const std::string& name = sheet.values[0];
    // A style listed from either folder counts: the saved one takes its place in the list.
    if (fileExists(stylePath(name)) &&
        !askYesNo(frontEnd,
                  "Soubor " + name + " se stylem už existuje." + kCrLf + "Chcete ho přepsat?"))
        return;
    writeStyleFile(styleSavingFolder() + name, sheet);
}

// The n-th value fills row n + 1; a value with "#" is a colour and paints the next swatch.
// Values past the last row and colours past the last swatch are left out.
void fillEditor(StyleEditorView& editor, FrontEnd& frontEnd, const std::string& name,
                std::vector<std::string> values) {
    editor.setStyleRow(0, name);
    int swatch = kFirstSwatch;
    const std::size_t count = std::min<std::size_t>(values.size(), kStyleRowCount - 1);
    for (std::size_t i = 0; i < count; ++i) {
        std::string& value = values[i];
        if (value.find('#') != std::string::npos) {
            const auto colour = HtmlToColor(value, frontEnd);
            if (swatch < kFirstSwatch + kSwatchCount)
                editor.setSwatch(swatch, colour);
            ++swatch;
        }
        editor.setStyleRow(static_cast<int>(i) + 1, value);
    }
}

std::vector<std::string> listStyleFiles(FrontEnd& frontEnd) {
    std::vector<std::string> names = listStyleNames();
    if (names.empty())
        showNotice(frontEnd, "Ve složce css nebyl nalezen žádný styl!");
    return names;
}

} // namespace

StyleOutcome ListStyles(FrontEnd& frontEnd) {
    return runReportingErrors(frontEnd, StyleOutcome{}, [&](StyleOutcome& outcome) {
        outcome.styles = listStyleFiles(frontEnd);
        outcome.ending = Ending::Done;
    });
}

bool isValidStyleName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

StyleOutcome saveStyleCommand(const StyleEditorView& editor, FrontEnd& frontEnd) {
    return runReportingErrors(frontEnd, StyleOutcome{}, [&](StyleOutcome& outcome) {
        const StyleSheet sheet = sheetFromEditor(editor);
        if (hasEmptyValue(sheet)) {
            showNotice(frontEnd, "Všechna pole musejí být vyplněná!");
            return;
        }
        if (!isValidStyleName(sheet.values[0])) {
            showWarning(frontEnd, "Neplatný název stylu!");
            return;
        }
        writeAskingBeforeOverwrite(frontEnd, sheet);
        outcome.styles = listStyleFiles(frontEnd);
        outcome.ending = Ending::Done;
    });
}

StyleOutcome readStyleCommand(const AlbumSettings& settings, StyleEditorView& editor,
                              FrontEnd& frontEnd) {
    return runReportingErrors(frontEnd, StyleOutcome{}, [&](StyleOutcome& outcome) {
        const std::string& name = settings.styleName;
        const std::vector<std::string> lines = readStyleFileLines(stylePath(name));
        if (!lines.empty())
            fillEditor(editor, frontEnd, name, styleFileValues(lines));
        outcome.ending = Ending::Done;
    });
}

} // namespace vistarel
