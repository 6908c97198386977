#pragma once

#include "image/Raster.h"

namespace vistarel {

// How a camera says its stored pixels are to be turned to stand upright: the EXIF
// Orientation values 1 (as stored) to 8. Any other value means as stored.
bool isTurned(int orientation);   // 2..8
bool swapsSides(int orientation); // 5..8: the upright width is the stored height

// The picture turned upright; `scratch` takes the turned pixels and is swapped in, so its
// buffer is reused from call to call.
void turnUpright(Raster& picture, int orientation, Raster& scratch);

} // namespace vistarel
