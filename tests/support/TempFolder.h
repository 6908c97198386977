#pragma once

#include <string>

namespace vistarel::testing {

// A fresh folder under the system's temp folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; } // ends in '/'
    std::string file(const std::string& name) const { return path_ + name; }
    std::string subfolder(const std::string& name) const;

private:
    std::string path_;
};

} // namespace vistarel::testing
