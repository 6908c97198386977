#pragma once

#include <string>
#include <vector>

namespace vistarel {

// The value of a property line: the text after the first ": " up to the first ";".
// Empty when the line has no ";" after that ": " (or no ": " at all).
std::string propertyValue(const std::string& line);

// The values of the lines that contain ": ", in file order. Property names are not looked
// at: the n-th such line gives the n-th value.
std::vector<std::string> styleFileValues(const std::vector<std::string>& lines);

// The lines of a style file (windows-1250; CR LF, LF or CR) as UTF-8. Throws the program's
// "Cannot open file" error when it cannot be read.
std::vector<std::string> readStyleFileLines(const std::string& path);

} // namespace vistarel
