#pragma once

#include "image/Raster.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace vistarel {

// What the photo stores, which decides which profiles apply and how: colour and grey photos
// arrive as RGB rows (grey repeated in all three), CMYK photos as CMYK rows.
enum class DecodedSpace { Grey, Rgb, Cmyk, CmykInverted };

// The conversion of one embedded ICC profile to sRGB (perceptual intent). The written album
// files carry no profile, so browsers show them as sRGB: converting is how they keep the
// colours the camera meant. Safe to use from several threads at once.
class SrgbConversion {
public:
    struct Handle;
    explicit SrgbConversion(std::shared_ptr<Handle> handle) : handle_(std::move(handle)) {}

    // RGB pictures (colour or grey profiles), in place.
    void apply(Raster& picture) const;
    // One row of CMYK samples (4 per pixel) into RGB (3 per pixel).
    void applyCmykRow(const std::uint8_t* cmyk, std::uint8_t* rgb, int width) const;

private:
    std::shared_ptr<Handle> handle_;
};

// Conversions made once per distinct profile and shared by every photo that embeds it (as
// long as the profiles kept add up to a few megabytes; later ones are made per photo).
class ColourProfiles {
public:
    // The conversion for a photo's profile bytes, or null when its pixels are used as they
    // are: no profile, an sRGB one, one LittleCMS cannot read, or one whose colour space is
    // not the photo's (a grey or CMYK profile on an RGB photo, say: browsers ignore those
    // too). Never throws for a bad profile.
    std::shared_ptr<const SrgbConversion> toSrgb(const std::string& profile, DecodedSpace space);

private:
    std::mutex mutex_;
    std::map<std::pair<std::string, DecodedSpace>, std::shared_ptr<const SrgbConversion>> made_;
    std::size_t keptBytes_ = 0; // of the profiles in made_
};

} // namespace vistarel
