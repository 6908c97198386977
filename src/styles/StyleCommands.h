#pragma once

#include "common/WindowOps.h"

#include <string>

namespace vistarel {

// Refills the style list with the "*.css" files of the styles folder, sorted ignoring case,
// the first one selected. Tells the user when there is none.
void ListStyles(WindowOps& window);

// A style name must name a file inside the styles folder.
bool isValidStyleName(const std::string& name);

// Saves the editor's 18 rows as the style file named by row 0: refuses empty values and
// names that leave the styles folder, asks before overwriting, then refreshes the list.
// File errors are thrown (vistarel::Error) before the list is refreshed.
void saveStyleCommand(WindowOps& window);

// Reads the style chosen in the style list into the editor's rows and swatches and shows the
// style tab. The file is read whole first, so a file that cannot be opened (thrown as
// vistarel::Error) leaves the editor and the shown tab as they were.
void readStyleCommand(WindowOps& window);

} // namespace vistarel
