#pragma once

#include <string>
#include <vector>

namespace vistarel {

// The rows of "index.html" in output order, as UTF-8 text without line ends: the fixed
// template with the album name put into the title and the heading, and the photo lines
// (already escaped) between the loader function and the rest of the viewer script.
std::vector<std::string> albumPageRows(const std::string& albumName,
                                       const std::vector<std::string>& photoLines);

// The index of the first photo line among the rows.
std::size_t firstPhotoRow();

} // namespace vistarel
