#pragma once

#include <string>
#include <string_view>

namespace vistarel {

// A caption file's bytes as caption text: UTF-8 (a leading byte-order mark dropped), UTF-16
// when it begins with its mark (as Notepad saves "Unicode"), else windows-1250. Every line
// end becomes CR LF, as in a typed caption; trailing blanks and line ends are removed.
std::string sidecarCaption(std::string_view bytes);

} // namespace vistarel
