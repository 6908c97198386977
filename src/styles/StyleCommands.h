#pragma once

#include "common/AlbumSettings.h"
#include "common/FrontEnd.h"
#include "common/Outcome.h"
#include "styles/StyleEditorView.h"

#include <optional>
#include <string>
#include <vector>

namespace vistarel {

struct StyleOutcome {
    Ending ending = Ending::Refused;
    // The styles folder's list, when the command (re)read it; the first is the one to select.
    std::optional<std::vector<std::string>> styles;
    std::string error;
};

// Lists the "*.css" files of the styles folder in natural order. Tells the user when
// there is none.
StyleOutcome ListStyles(FrontEnd& frontEnd);

// A style name must name a file inside the styles folder.
bool isValidStyleName(const std::string& name);

// Saves the editor's 18 rows as the style file named by row 0: refuses empty values and
// names that leave the styles folder, asks before overwriting, then lists the styles anew.
StyleOutcome saveStyleCommand(const StyleEditorView& editor, FrontEnd& frontEnd);

// Reads the chosen style into the editor's rows and swatches; Done means the style page is
// to be shown. The file is read whole first, so a file that cannot be opened leaves the
// editor as it was.
StyleOutcome readStyleCommand(const AlbumSettings& settings, StyleEditorView& editor,
                              FrontEnd& frontEnd);

} // namespace vistarel
