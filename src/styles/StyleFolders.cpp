#include "styles/StyleFolders.h"

#include "common/FileSystem.h"
#include "common/NaturalOrder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace vistarel {
namespace {

std::vector<std::string> cssFiles(const std::string& folder) {
    if (folder.empty() || !folderExists(folder))
        return {};
    return listFilesWithExtension(folder, ".css");
}

} // namespace

std::string userStylesFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome != nullptr && dataHome[0] == '/')
        return withTrailingSeparator(dataHome) + "vistarel/css/";
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0')
        return {};
    return withTrailingSeparator(home) + ".local/share/vistarel/css/";
}

std::string styleSavingFolder() {
    const std::string shipped = stylesFolder();
    const std::string user = userStylesFolder();
    if (::access(shipped.c_str(), W_OK) == 0 || user.empty())
        return shipped;
    std::error_code ec;
    std::filesystem::create_directories(user, ec); // a failure shows when the file is written
    return user;
}

std::vector<std::string> listStyleNames() {
    std::vector<std::string> names = cssFiles(stylesFolder());
    const std::vector<std::string> own = cssFiles(userStylesFolder());
    names.insert(names.end(), own.begin(), own.end());
    std::sort(names.begin(), names.end(), naturalLess);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::string stylePath(const std::string& name) {
    const std::string user = userStylesFolder();
    if (!user.empty() && !name.empty() && fileExists(user + name))
        return user + name;
    return stylesFolder() + name;
}

} // namespace vistarel
