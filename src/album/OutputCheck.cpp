#include "album/OutputCheck.h"

#include "common/Cp1250.h"
#include "common/FileSystem.h"
#include "common/Messages.h"

#include <fcntl.h>
#include <locale.h>
#include <map>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#include <wctype.h>

namespace vistarel {
namespace {

struct PlannedOutput {
    std::string name;
    std::size_t photo; // index into the catalogue; the page and the style have none
};

constexpr std::size_t kNoPhoto = static_cast<std::size_t>(-1);

std::vector<PlannedOutput> plannedOutputs(const PhotoCatalogue& catalogue) {
    std::vector<PlannedOutput> outputs;
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        outputs.push_back({catalogue[i].fileName, i});
        outputs.push_back({"sm_" + catalogue[i].fileName, i});
    }
    outputs.push_back({"index.html", kNoPhoto});
    outputs.push_back({"color.css", kNoPhoto});
    return outputs;
}

using FileIdentity = std::pair<dev_t, ino_t>;

std::optional<FileIdentity> identityOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino};
}

// Lines "<output> je týž soubor jako <input>" for outputs that are an input photo, links
// followed.
std::vector<std::string> outputsThatAreInputs(const PhotoCatalogue& catalogue,
                                              const AlbumSettings& settings) {
    std::map<FileIdentity, std::string> inputs;
    for (const PhotoRecord& record : catalogue)
        if (const auto identity = identityOf(settings.inputFolder + record.fileName))
            inputs.emplace(*identity, settings.inputFolder + record.fileName);
    std::vector<std::string> lines;
    for (const PlannedOutput& output : plannedOutputs(catalogue)) {
        const std::string path = settings.outputFolder + output.name;
        const auto identity = identityOf(path);
        if (const auto input = identity ? inputs.find(*identity) : inputs.end();
            input != inputs.end())
            lines.push_back(path + " je týž soubor jako " + input->second);
    }
    return lines;
}

// Shows the heading and the lines in one warning; true when there were lines.
bool refused(FrontEnd& frontEnd, std::string text, const std::vector<std::string>& lines) {
    for (const std::string& line : lines)
        text += kCrLf + line;
    if (!lines.empty())
        showWarning(frontEnd, text);
    return !lines.empty();
}

locale_t utf8Locale() {
    static const locale_t locale = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{});
    return locale;
}

char32_t lowerCase(char32_t c) {
    if (c < 0x80 || !utf8Locale())
        return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
    return static_cast<char32_t>(::towlower_l(static_cast<wint_t>(c), utf8Locale()));
}

std::string caseFolded(const std::string& name) {
    std::string folded;
    for (std::size_t pos = 0; pos < name.size();) {
        if (const auto c = decodeUtf8(name, pos))
            appendUtf8(folded, lowerCase(*c));
        else
            folded += name[pos++];
    }
    return folded;
}

} // namespace

std::vector<std::string> photosWritingOneName(const PhotoCatalogue& catalogue, bool ignoringCase) {
    std::map<std::string, std::size_t> writer;
    std::set<std::pair<std::size_t, std::size_t>> clashes;
    for (const PlannedOutput& output : plannedOutputs(catalogue)) {
        const auto [it, first] =
            writer.emplace(ignoringCase ? caseFolded(output.name) : output.name, output.photo);
        if (!first && it->second != output.photo)
            clashes.emplace(std::min(it->second, output.photo), std::max(it->second, output.photo));
    }
    std::vector<std::string> lines;
    for (const auto& [a, b] : clashes)
        lines.push_back(catalogue[a].fileName + " a " + catalogue[b].fileName);
    return lines;
}

bool folderIgnoresCase(const std::string& folder) {
    const std::string probe = ".vistarel-case-" + std::to_string(::getpid()) + ".tmp";
    const int fd = ::open((folder + probe).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    std::string swapped = probe;
    for (char& c : swapped)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    const auto original = identityOf(folder + probe);
    const bool same = original && identityOf(folder + swapped) == original;
    ::unlink((folder + probe).c_str());
    return same;
}

std::vector<std::string> photosWithTooLongNames(const PhotoCatalogue& catalogue,
                                                const std::string& folder) {
    const long longest = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    std::vector<std::string> lines;
    for (const PhotoRecord& record : catalogue)
        if (longest > 0 && static_cast<long>(("sm_" + record.fileName).size()) > longest)
            lines.push_back(record.fileName);
    return lines;
}

bool checkPlannedOutputs(const AlbumState& state, const AlbumSettings& settings,
                         FrontEnd& frontEnd) {
    if (!folderExists(settings.inputFolder) || !folderExists(settings.outputFolder))
        return true;
    if (refused(frontEnd, "Jména těchto snímků jsou pro náhledy v albu příliš dlouhá!",
                photosWithTooLongNames(state.catalogue, settings.outputFolder)))
        return false;
    if (refused(frontEnd, "Album by přepsalo vstupní snímky!",
                outputsThatAreInputs(state.catalogue, settings)))
        return false;
    const bool ignoringCase = folderIgnoresCase(settings.outputFolder);
    return !refused(frontEnd, "Snímky by se v albu navzájem přepsaly!",
                    photosWritingOneName(state.catalogue, ignoringCase));
}

} // namespace vistarel
