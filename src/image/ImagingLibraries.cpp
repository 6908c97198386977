#include "image/ImagingLibraries.h"

#include <cstdio> // before jpeglib.h, which uses FILE
#include <jpeglib.h>
#include <lcms2.h>

namespace vistarel {

std::string imagingLibraries() {
    return "libjpeg-turbo " + std::to_string(LIBJPEG_TURBO_VERSION_NUMBER) + " lcms " +
           std::to_string(cmsGetEncodedCMMversion());
}

} // namespace vistarel
