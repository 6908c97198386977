#pragma once

#include "common/AlbumSettings.h"

namespace vistarel {

// Copies the chosen style from the styles folder into the output folder as "color.css".
// Never reports anything: no style, a missing file or a failed copy leave the album's
// "color.css" as it was.
void PublishStyle(const AlbumSettings& settings);

} // namespace vistarel
