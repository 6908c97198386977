#pragma once

#include "image/ColourProfile.h"
#include "image/Raster.h"

#include <functional>
#include <memory>
#include <string>

namespace vistarel {

// Larger pictures are refused before any pixel memory is taken: a damaged or hostile
// header could otherwise ask for many gigabytes.
inline constexpr long long kMaxDecodedPixels = 200'000'000;

// Picks the scale M/8 (M from 1 to 8) to decode a photo of the given stored size at; the
// decoded picture is then ceil(width * M / 8) x ceil(height * M / 8), libjpeg's rounding.
using DecodeScaleChoice = std::function<int(int width, int height)>;

struct DecodeOptions {
    DecodeScaleChoice chooseScale; // none: full size
    // Where conversions of embedded colour profiles are made and kept; none: profiles are
    // not read.
    ColourProfiles* profiles = nullptr;
};

// What a decode found besides the pixels.
struct DecodedPhoto {
    PhotoScale scale; // where the picture lies on the photo
    // The conversion to sRGB that the pictures made from a colour or grey photo still need;
    // CMYK photos are converted through their profile as they are decoded.
    std::shared_ptr<const SrgbConversion> toSrgb;
    std::string damage; // libjpeg's first warning, when the data was damaged but decodable
};

// Decodes a JPEG file at best quality into 24-bit RGB, at full size or at the scale that
// chooseScale picks once the header is read (libjpeg's DCT scaling: the pixels never
// decoded cost nothing). Grayscale, CMYK and YCCK files are converted to RGB. Throws Error
// naming the path when the file cannot be opened or libjpeg cannot decode it; damage
// libjpeg can work around only warns.
DecodedPhoto decodeJpegFile(const std::string& path, Raster& picture,
                            const DecodeOptions& options = {});
// The same for JPEG bytes held in memory (a kept preview).
void decodeJpegBytes(const std::string& bytes, Raster& picture);

} // namespace vistarel
