#pragma once

#include "common/AlbumSettings.h"

namespace vistarel {

// Copies the chosen style from the styles folder into the output folder as "color.css".
// Silent when there is nothing to copy (no style chosen, its file gone) or nowhere to copy
// it (no output folder): the album's "color.css" stays as it was. A copy that fails
// throws the program's file error naming the file.
void PublishStyle(const AlbumSettings& settings);

} // namespace vistarel
