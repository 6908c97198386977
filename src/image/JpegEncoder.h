#pragma once

#include "image/Raster.h"

#include <string>

namespace vistarel {

// Writes picture as a baseline colour JFIF file: libjpeg's default compression
// parameters, then the quality (0-100) with baseline quantisation tables forced.
// Throws Error: the program's "Cannot create file" text when the file cannot be
// created, libjpeg's message with the path when encoding fails, "Stream write error"
// when the file cannot be completed.
void encodeJpegFile(const Raster& picture, int quality, const std::string& path);

} // namespace vistarel
