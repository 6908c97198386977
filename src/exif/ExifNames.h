#pragma once

#include <cstdint>
#include <string>

namespace vistarel {

// The names shown for the coded EXIF values; unknown codes get "Unknown" ("No Flash" for
// the flash).
std::string orientationName(std::uint32_t value);
std::string exposureProgramName(std::uint32_t value);
std::string meteringModeName(std::uint32_t value);
std::string lightSourceName(std::uint32_t value);
std::string flashName(std::uint32_t value);

} // namespace vistarel
