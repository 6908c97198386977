#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vistarel {

// Removes every trailing byte of value 0x20 or less (blanks, NULs, line ends).
std::string trimmedText(std::string text);

// A rational as a decimal with two digits after a point, rounded, and one trailing "0"
// dropped ("2.8", "4.0", "1.25"); nothing when the denominator is 0.
std::optional<std::string> decimalRationalText(std::uint32_t numerator, std::uint32_t denominator);

// A rational as "numerator/denominator", or "0" for a denominator of 1000000.
std::string fractionRationalText(std::uint32_t numerator, std::uint32_t denominator);

// The exposure text for an APEX time value: "1/" N " seconds" with N = 2^value rounded,
// "1 seconds" from 65535 on; nothing when N does not fit a 64-bit integer.
std::optional<std::string> shutterSpeedText(float timeValue);

} // namespace vistarel
