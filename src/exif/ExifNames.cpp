#include "exif/ExifNames.h"

#include <array>
#include <utility>

namespace vistarel {

namespace {

using NameEntry = std::pair<std::uint32_t, const char*>;

template <std::size_t N>
std::string lookUp(const std::array<NameEntry, N>& table, std::uint32_t value,
                   const char* fallback) {
    for (const auto& [code, name] : table)
        if (code == value)
            return name;
    return fallback;
}

constexpr std::array<NameEntry, 8> kOrientations{{
    {1, "Normal"},
    {2, "Mirrored"},
    {3, "Rotated 180"},
    {4, "Rotated 180, mirrored"},
    {5, "Rotated 90 left, mirrored"},
    {6, "Rotated 90 right"},
    {7, "Rotated 90 right, mirrored"},
    {8, "Rotated 90 left"},
}};

constexpr std::array<NameEntry, 8> kExposurePrograms{{
    {1, "Manual Control"},
    {2, "Normal Program"},
    {3, "Aperture Priority"},
    {4, "Shutter Priority"},
    {5, "Creative Program"},
    {6, "Action Program"},
    {7, "Portrait Mode"},
    {8, "Landscape Mode"},
}};

constexpr std::array<NameEntry, 7> kMeteringModes{{
    {1, "Average"},
    {2, "Center Weighted Average"},
    {3, "Spot"},
    {4, "Multi Spot"},
    {5, "Pattern"},
    {6, "Partial"},
    {255, "Other"},
}};

constexpr std::array<NameEntry, 11> kLightSources{{
    {1, "Daylight"},
    {2, "Flourescent"},
    {3, "Tungsten"},
    {10, "Flash"},
    {17, "Standard Light A"},
    {18, "Standard Light B"},
    {19, "Standard Light C"},
    {20, "D55"},
    {21, "D65"},
    {22, "D75"},
    {255, "Other"},
}};

constexpr std::array<NameEntry, 4> kFlashModes{{
    {1, "Flash"},
    {5, "Flash No Strobe"},
    {7, "Flash Strobe"},
    {25, "Flash (Auto)"},
}};

constexpr const char* kUnknown = "Unknown";

} // namespace

std::string orientationName(std::uint32_t value) {
    return lookUp(kOrientations, value, kUnknown);
}

std::string exposureProgramName(std::uint32_t value) {
    return lookUp(kExposurePrograms, value, kUnknown);
}

std::string meteringModeName(std::uint32_t value) {
    return lookUp(kMeteringModes, value, kUnknown);
}

std::string lightSourceName(std::uint32_t value) {
    return lookUp(kLightSources, value, kUnknown);
}

std::string flashName(std::uint32_t value) {
    return lookUp(kFlashModes, value, "No Flash");
}

} // namespace vistarel
