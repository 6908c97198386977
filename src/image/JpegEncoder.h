#pragma once

#include "image/Raster.h"

#include <string>

namespace vistarel {

// Encodes picture as a baseline colour JFIF file in memory: libjpeg's default compression
// parameters, then the quality (0-100) with baseline quantisation tables forced. Throws
// Error with libjpeg's message when encoding fails (an empty picture, say).
std::string encodeJpeg(const Raster& picture, int quality);

} // namespace vistarel
