#pragma once

#include <string>

namespace vistarel {

// The order a Czech desktop's file manager shows names in: Czech collation (C < Č < D,
// H < Ch < I, S < Š < T; accents second, letter case third, lower case first) with runs of
// digits compared by value (img9 before img10). Names the collation calls equal are ordered
// by their bytes, so the order is total and the same in every run. Texts are UTF-8; bytes
// that are not UTF-8 sort as replacement characters.
bool naturalLess(const std::string& a, const std::string& b);

} // namespace vistarel
