#pragma once

#include <string>

namespace vistarel {

// The libraries whose versions shape the bytes of the pictures (the JPEG codec, the colour
// conversions), as one text: a picture made with others may differ.
std::string imagingLibraries();

} // namespace vistarel
