#pragma once

#include "common/AlbumSettings.h"
#include "common/FrontEnd.h"
#include "state/AlbumState.h"

#include <optional>
#include <string>

namespace vistarel {

// "800x600" -> 800: the larger of the two numbers, the length of the longer side.
std::optional<int> parseSizeText(const std::string& text);

// Takes the preview box and both size texts into the state; shows
// "Špatně vyplněné rozlišení!" and fails when a text does not parse or is out of range.
bool readSizeSettings(AlbumState& state, const AlbumSettings& settings, FrontEnd& frontEnd);

} // namespace vistarel
