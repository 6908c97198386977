#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace vistarel {

// The folder picker as the window uses it: a prompt, a start folder selected when it
// exists, folders only, a new-folder button only when asked. The chosen folder comes back
// ending in a path separator; nothing when the user cancels.
std::optional<QString> ExSelectDirectory(QWidget* parent, const QString& prompt,
                                         const QString& startFolder, bool offerNewFolder);

} // namespace vistarel
