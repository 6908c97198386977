#include "styles/StyleFileReader.h"

#include "common/Cp1250.h"
#include "common/FileSystem.h"

namespace vistarel {

std::string propertyValue(const std::string& line) {
    const auto colon = line.find(": ");
    if (colon == std::string::npos)
        return {};
    const auto start = colon + 2;
    const auto semicolon = line.find(';');
    if (semicolon == std::string::npos || semicolon < start)
        return {};
    return line.substr(start, semicolon - start);
}

std::vector<std::string> styleFileValues(const std::vector<std::string>& lines) {
    std::vector<std::string> values;
    for (const auto& line : lines)
        if (line.find(": ") != std::string::npos)
            values.push_back(propertyValue(line));
    return values;
}

std::vector<std::string> readStyleFileLines(const std::string& path) {
    std::vector<std::string> lines = readTextLines(path);
    for (auto& line : lines)
        line = cp1250ToUtf8(line);
    return lines;
}

} // namespace vistarel
