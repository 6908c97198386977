#pragma once

#include <string_view>

namespace vistarel {

// Whether a description is what a camera or program writes when nobody wrote one: blank, a
// maker's fixed text ("OLYMPUS DIGITAL CAMERA"), the camera's own make or model, a path on
// its memory card, or the XMP language name in place of the text. Letter case and blanks
// around the text do not count.
bool isCameraFiller(std::string_view text, std::string_view make, std::string_view model);

} // namespace vistarel
