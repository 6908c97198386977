#include "exif/ExifText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vistarel {

std::string trimmedText(std::string text) {
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 0x20)
        text.pop_back();
    return text;
}

std::optional<std::string> decimalRationalText(std::uint32_t numerator, std::uint32_t denominator) {
    if (denominator == 0)
        return std::nullopt;
    const double value = static_cast<double>(numerator) / denominator;
    // to_chars ignores the locale, so the point stays a point under any user setting.
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 2);
    std::string text(buffer.data(), result.ptr);
    if (text.back() == '0')
        text.pop_back();
    return text;
}

std::string fractionRationalText(std::uint32_t numerator, std::uint32_t denominator) {
    if (denominator == 1000000)
        return "0";
    return std::to_string(numerator) + "/" + std::to_string(denominator);
}

std::optional<std::string> shutterSpeedText(float timeValue) {
    if (timeValue >= 65535.0f)
        return "1 seconds";
    const double power = std::round(std::exp2(static_cast<double>(timeValue)));
    if (!(power < 9.2e18))
        return std::nullopt;
    return "1/" + std::to_string(static_cast<long long>(power)) + " seconds";
}

} // namespace vistarel
