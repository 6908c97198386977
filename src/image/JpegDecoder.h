#pragma once

#include "image/ColourProfile.h"
#include "image/Raster.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace vistarel {

// What one decode may take. A hostile header of a few bytes can declare a picture of
// gigabytes, and a progressive file can repeat scans, each of which walks the whole picture.
struct DecodeLimits {
    // The decoded picture (at the chosen scale) is refused beyond this, before any pixel
    // memory is taken.
    long long pixels = 200'000'000;
    // libjpeg's own memory (its whole-picture buffers for progressive and multi-scan files
    // grow with the stored size, whatever the scale); a photo needing more is refused.
    long libjpegBytes = 512L << 20;
    // Encoders write about ten scans; a file with more than this many is refused.
    int scans = 100;
};

// Picks the scale M/8 (M from 1 to 8) to decode a photo of the given stored size at; the
// decoded picture is then ceil(width * M / 8) x ceil(height * M / 8), libjpeg's rounding.
using DecodeScaleChoice = std::function<int(int width, int height)>;

struct DecodeOptions {
    DecodeScaleChoice chooseScale; // none: full size
    // Where conversions of embedded colour profiles are made and kept; none: profiles are
    // not read.
    ColourProfiles* profiles = nullptr;
    DecodeLimits limits;
};

// What a decode found besides the pixels.
struct DecodedPhoto {
    PhotoScale scale; // where the picture lies on the photo
    // The conversion to sRGB that the pictures made from a colour or grey photo still need;
    // CMYK photos are converted through their profile as they are decoded.
    std::shared_ptr<const SrgbConversion> toSrgb;
    std::string damage; // libjpeg's first warning, when the data was damaged but decodable
};

// Decodes the bytes of a JPEG file at best quality into 24-bit RGB, at full size or at the
// scale that chooseScale picks once the header is read (libjpeg's DCT scaling: the pixels
// never decoded cost nothing). Grayscale, CMYK and YCCK files are converted to RGB. Throws
// Error starting with name (the file's path) when there are no bytes ("Empty file"), when
// the photo goes beyond the limits, or when libjpeg cannot decode it; damage libjpeg can
// work around only warns.
DecodedPhoto decodeJpeg(std::span<const std::uint8_t> bytes, const std::string& name,
                        Raster& picture, const DecodeOptions& options = {});
// The same for a file, read whole first (see readInputFile).
DecodedPhoto decodeJpegFile(const std::string& path, Raster& picture,
                            const DecodeOptions& options = {});
// The same for JPEG bytes held in a string (a kept preview), at full size.
void decodeJpegBytes(const std::string& bytes, Raster& picture);

} // namespace vistarel
