#pragma once

#include "exif/Exif.h"

#include "ExifBytes.h"

#include <string>

namespace vistarel::testing {

// Writes the bytes to a fresh temporary file and reads it with a new reader.
TExif readExifBytes(const std::string& bytes);

// A JPEG-like file whose only segment is the EXIF block built so far.
std::string fileWithBlock(const TiffBlockBuilder& block);

// The number of file descriptors this process holds open.
int openFileCount();

} // namespace vistarel::testing
