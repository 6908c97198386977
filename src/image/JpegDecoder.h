#pragma once

#include "image/Raster.h"

#include <string>

namespace vistarel {

// Larger pictures are refused before any pixel memory is taken: a damaged or hostile
// header could otherwise ask for many gigabytes.
inline constexpr long long kMaxDecodedPixels = 200'000'000;

// Decodes a JPEG file at full size and best quality into 24-bit RGB. Grayscale, CMYK and
// YCCK files are converted to RGB. Throws Error naming the path when the file cannot be
// opened or libjpeg cannot decode it; damage libjpeg can work around only warns.
void decodeJpegFile(const std::string& path, Raster& picture);
// The same for JPEG bytes held in memory (a kept preview).
void decodeJpegBytes(const std::string& bytes, Raster& picture);

} // namespace vistarel
