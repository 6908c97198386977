#pragma once

#include <string>
#include <string_view>

namespace vistarel {

// UTF-16 bytes as UTF-8 text: a byte-order mark at the start wins over the given order; a
// lone surrogate becomes U+FFFD, NUL characters are left out, an odd last byte is dropped.
std::string utf16ToUtf8(std::string_view bytes, bool bigEndian);

// Whether the bytes begin with a UTF-16 byte-order mark (either order).
bool startsWithUtf16Mark(std::string_view bytes);

} // namespace vistarel
