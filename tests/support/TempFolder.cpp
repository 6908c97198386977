#include "TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace vistarel::testing {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vistarel-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern + "/";
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string TempFolder::subfolder(const std::string& name) const {
    std::filesystem::create_directories(path_ + name);
    return path_ + name + "/";
}

} // namespace vistarel::testing
