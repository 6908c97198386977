#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vistarel {

// The IPTC Caption-Abstract (2:120) of a photo as UTF-8 text, trailing blanks and line
// ends removed; "" when there is none. The payloads are those of the photo's APP13
// segments ("Photoshop 3.0" 00 and Photoshop's resource blocks, which a long block
// continues in the next segment); others are left out.
//
// The text is taken as UTF-8 when it is valid UTF-8, else as windows-1252. That is what
// 1:90 (ESC % G) declares when a program sets it; but most programs that write UTF-8 never
// set it, and windows-1252 text with letters beyond ASCII is hardly ever valid UTF-8.
std::string readIptcCaption(const std::vector<std::string_view>& app13Payloads);

} // namespace vistarel
