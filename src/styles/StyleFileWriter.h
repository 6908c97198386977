#pragma once

#include "styles/StyleSheet.h"

#include <string>
#include <vector>

namespace vistarel {

// The 25 lines of the style file as windows-1250 bytes. A character windows-1250 lacks is
// written as a CSS escape, so the browser still shows it.
std::vector<std::string> encodeStyleFile(const StyleSheet& sheet);

// Replaces the file (or creates it) with the 25 lines, each ended by CR LF, written whole or
// not at all. Throws the program's "Cannot create file" error when it cannot be written.
void writeStyleFile(const std::string& path, const StyleSheet& sheet);

} // namespace vistarel
