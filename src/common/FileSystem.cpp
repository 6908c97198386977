#include "common/FileSystem.h"

#include "common/Error.h"
#include "common/InputFile.h"
#include "common/NaturalOrder.h"
#include "common/ReplacingFile.h"

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace vistarel {
namespace {

std::string& programFolderOverride() {
    static std::string folder;
    return folder;
}

unsigned char upper(unsigned char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

} // namespace

bool folderExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool sameExistingFolder(const std::string& a, const std::string& b) {
    if (!folderExists(a) || !folderExists(b))
        return false;
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

bool endsWithIgnoringCase(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size())
        return false;
    const auto offset = text.size() - suffix.size();
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (upper(static_cast<unsigned char>(text[offset + i])) !=
            upper(static_cast<unsigned char>(suffix[i])))
            return false;
    return true;
}

std::vector<std::string> listFilesWithExtension(const std::string& folder,
                                                const std::string& extension) {
    return listFilesWithExtensions(folder, {extension});
}

std::vector<std::string> listFilesWithExtensions(const std::string& folder,
                                                 const std::vector<std::string>& extensions) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = it->path().filename().string();
        const auto matches = [&](const std::string& e) { return endsWithIgnoringCase(name, e); };
        if (std::any_of(extensions.begin(), extensions.end(), matches) && fileExists(folder + name))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), naturalLess);
    return names;
}

std::vector<std::string> readTextLines(const std::string& path) {
    return splitTextLines(readFileBytes(path));
}

std::vector<std::string> splitTextLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty())
        lines.push_back(std::move(line));
    return lines;
}

std::string readFileBytes(const std::string& path) {
    FileBytes file;
    readInputFile(path, file);
    return std::string(file.text());
}

void writeFileBytes(const std::string& path, const std::string& bytes) {
    ReplacingFile file(path);
    file.write(bytes);
    file.commit();
}

void writeTextLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    writeFileBytes(path, bytes);
}

std::string programFolder() {
    if (!programFolderOverride().empty())
        return programFolderOverride();
    std::error_code ec;
    const auto exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("./") : programFolderFor(exe.parent_path().string());
}

std::string programFolderFor(const std::string& exeFolder) {
    const std::string beside = withTrailingSeparator(exeFolder);
    if (folderExists(beside + "css"))
        return beside;
    const std::string installed =
        fs::path(beside + "../share/vistarel/").lexically_normal().string();
    return folderExists(installed) ? installed : beside;
}

void setProgramFolder(const std::string& folder) {
    programFolderOverride() = folder.empty() ? folder : withTrailingSeparator(folder);
}

std::string stylesFolder() {
    return programFolder() + "css/";
}

std::string withTrailingSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace vistarel
