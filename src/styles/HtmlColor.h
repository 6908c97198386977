#pragma once

#include "common/FrontEnd.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vistarel {

// A colour value holds red in the lowest byte, then green, then blue (R + 256*G + 65536*B).
// Its text form is "#RRGGBB".

// "#" and the three bytes as two upper-case hexadecimal digits each, red first.
std::string ColorToHtml(std::uint32_t colour);

// The colour of a text whose characters 2-7 are three hexadecimal pairs; the first character
// is not looked at and characters after the seventh are ignored. Nothing when invalid.
std::optional<std::uint32_t> parseHtmlColor(const std::string& text);

// As parseHtmlColor, but an invalid text is reported with the warning "Neplatný tvar barvy!",
// replaced by "#000000" in the caller's variable, and gives black.
std::uint32_t HtmlToColor(std::string& text, FrontEnd& frontEnd);

} // namespace vistarel
