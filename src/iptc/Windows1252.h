#pragma once

#include <string>
#include <string_view>

namespace vistarel {

// windows-1252 bytes as UTF-8. The five bytes it leaves undefined (81 8D 8F 90 9D hex)
// become the control characters of the same number, as Latin-1 has them.
std::string cp1252ToUtf8(std::string_view bytes);

} // namespace vistarel
