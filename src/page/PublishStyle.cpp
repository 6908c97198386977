#include "page/PublishStyle.h"

#include "common/FileSystem.h"
#include "styles/StyleFolders.h"

namespace vistarel {

void PublishStyle(const AlbumSettings& settings) {
    const std::string source = stylePath(settings.styleName);
    if (!fileExists(source))
        return;
    // An empty output folder text would make the target a relative path, a "color.css"
    // in whatever folder the program happens to run in.
    if (!folderExists(settings.outputFolder))
        return;
    writeFileBytes(settings.outputFolder + "color.css", readFileBytes(source));
}

} // namespace vistarel
