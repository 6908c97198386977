#pragma once

#include <string>
#include <vector>

namespace vistarel::testing {

// The whole "index.html" as it must be on disk, windows-1250 with CR LF, written out
// from the page's row table on its own, not from the writer's template. albumName and
// photoLines are given as the bytes expected in the file.
std::string expectedPage(const std::string& albumName, const std::vector<std::string>& photoLines);

// The number of template rows before the photo lines (the photo lines are rows 29...).
constexpr int kRowsBeforePhotos = 28;

} // namespace vistarel::testing
