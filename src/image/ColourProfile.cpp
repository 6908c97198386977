#include "image/ColourProfile.h"

#include <lcms2.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace vistarel {

struct SrgbConversion::Handle {
    cmsHTRANSFORM transform = nullptr;
    ~Handle() {
        if (transform != nullptr)
            cmsDeleteTransform(transform);
    }
};

namespace {

constexpr std::size_t kMostKeptProfileBytes = std::size_t{16} << 20;

struct ProfileCloser {
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using ProfileHandle = std::unique_ptr<void, ProfileCloser>;

// Grey pixels arrive as RGB with three equal samples: read the first, skip the other two.
constexpr cmsUInt32Number kGreyInRgb = TYPE_GRAY_8 | EXTRA_SH(2);

using PixelFormat = std::optional<cmsUInt32Number>;

// The colour space the profile's header names, as the number it is: a damaged profile can
// name one LittleCMS's enumeration lacks, which C++ may not hold in that type.
std::uint32_t colourSpace(const std::string& profile) {
    std::uint32_t space = 0;
    for (int i = 16; i < 20; ++i) // the header is there: LittleCMS opened the profile
        space = space << 8 | static_cast<unsigned char>(profile[static_cast<std::size_t>(i)]);
    return space;
}

PixelFormat inputFormat(std::uint32_t space, DecodedSpace decoded) {
    if (decoded == DecodedSpace::Grey)
        return space == cmsSigGrayData ? PixelFormat(kGreyInRgb) : std::nullopt;
    if (decoded == DecodedSpace::Rgb)
        return space == cmsSigRgbData ? PixelFormat(TYPE_RGB_8) : std::nullopt;
    if (space != cmsSigCmykData)
        return std::nullopt;
    return decoded == DecodedSpace::CmykInverted ? TYPE_CMYK_8_REV : TYPE_CMYK_8;
}

// An sRGB profile (or one that acts as one) changes nothing; leaving such photos alone keeps
// their pixels exactly as decoded and saves the work.
bool changesNothing(cmsHTRANSFORM transform, cmsUInt32Number format) {
    if (format != TYPE_RGB_8)
        return false;
    std::vector<std::uint8_t> probe;
    for (int r = 0; r <= 255; r += 51)
        for (int g = 0; g <= 255; g += 51)
            for (int b = 0; b <= 255; b += 51)
                probe.insert(probe.end(), {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)});
    std::vector<std::uint8_t> converted(probe.size());
    const auto pixels = static_cast<cmsUInt32Number>(probe.size() / 3);
    cmsDoTransform(transform, probe.data(), converted.data(), pixels);
    for (std::size_t i = 0; i < probe.size(); ++i)
        if (std::abs(int(probe[i]) - int(converted[i])) > 1)
            return false;
    return true;
}

std::shared_ptr<const SrgbConversion> makeConversion(const std::string& bytes,
                                                     DecodedSpace decoded) {
    cmsSetLogErrorHandler(nullptr); // a damaged profile is no error of ours to print
    const ProfileHandle input(cmsOpenProfileFromMem(bytes.data(), cmsUInt32Number(bytes.size())));
    if (!input)
        return nullptr;
    const auto format = inputFormat(colourSpace(bytes), decoded);
    if (!format)
        return nullptr;
    const ProfileHandle srgb(cmsCreate_sRGBProfile());
    auto handle = std::make_shared<SrgbConversion::Handle>();
    // Without the one-pixel cache a transform may be used by several threads at once.
    handle->transform = cmsCreateTransform(input.get(), *format, srgb.get(), TYPE_RGB_8,
                                           INTENT_PERCEPTUAL, cmsFLAGS_NOCACHE);
    if (handle->transform == nullptr || changesNothing(handle->transform, *format))
        return nullptr;
    return std::make_shared<const SrgbConversion>(std::move(handle));
}

} // namespace

// In place: LittleCMS reads each pixel before it writes it, and both sides take three bytes.
void SrgbConversion::apply(Raster& picture) const {
    cmsDoTransform(handle_->transform, picture.pixels.data(), picture.pixels.data(),
                   cmsUInt32Number(picture.width * picture.height));
}

void SrgbConversion::applyCmykRow(const std::uint8_t* cmyk, std::uint8_t* rgb, int width) const {
    cmsDoTransform(handle_->transform, cmyk, rgb, cmsUInt32Number(width));
}

std::shared_ptr<const SrgbConversion> ColourProfiles::toSrgb(const std::string& profile,
                                                             DecodedSpace space) {
    if (profile.empty())
        return nullptr;
    const std::lock_guard lock(mutex_);
    auto key = std::make_pair(profile, space);
    if (const auto found = made_.find(key); found != made_.end())
        return found->second;
    auto conversion = makeConversion(profile, space);
    // Photos that each bring a profile of their own would otherwise keep them all, and a
    // profile can be megabytes.
    if (keptBytes_ + profile.size() <= kMostKeptProfileBytes) {
        keptBytes_ += profile.size();
        made_.emplace(std::move(key), conversion);
    }
    return conversion;
}

} // namespace vistarel
