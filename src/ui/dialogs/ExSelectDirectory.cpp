#include "ui/dialogs/ExSelectDirectory.h"

#include "ui/dialogs/DialogHook.h"

namespace vistarel {

std::optional<QString> ExSelectDirectory(QWidget* parent, const QString& prompt,
                                         const QString& startFolder, bool offerNewFolder) {
    std::optional<QString> folder =
        DialogHook::instance().chooseFolder(parent, prompt, startFolder, offerNewFolder);
    if (folder && !folder->endsWith(QLatin1Char('/')))
        folder->append(QLatin1Char('/'));
    return folder;
}

} // namespace vistarel
