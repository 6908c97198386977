#pragma once

#include "common/WindowOps.h"
#include "state/AlbumState.h"

#include <optional>
#include <string>

namespace vistarel {

// "800x600" -> 800: the larger of the two numbers, the length of the longer side.
std::optional<int> parseSizeText(const std::string& text);

// Reads the preview box height and both size texts into the state; shows
// "Špatně vyplněné rozlišení!" and fails when a text does not parse or is out of range.
bool readSizeSettings(AlbumState& state, WindowOps& window);

} // namespace vistarel
