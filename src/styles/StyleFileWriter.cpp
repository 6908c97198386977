#include "styles/StyleFileWriter.h"

#include "common/Cp1250.h"
#include "common/FileSystem.h"

namespace vistarel {

std::vector<std::string> encodeStyleFile(const StyleSheet& sheet) {
    std::vector<std::string> lines = composeStyleFile(sheet);
    for (auto& line : lines)
        line = utf8ToCp1250(line, cssEscape);
    return lines;
}

void writeStyleFile(const std::string& path, const StyleSheet& sheet) {
    writeTextLines(path, encodeStyleFile(sheet));
}

} // namespace vistarel
