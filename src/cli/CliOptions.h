#pragma once

#include "common/AlbumSettings.h"

#include <optional>
#include <string>
#include <vector>

namespace vistarel {

enum class CliCommand { Build, Styles, Help, Version };

struct CliOptions {
    CliCommand command = CliCommand::Help;
    AlbumSettings settings;     // folders with a separator appended; style empty = first listed
    bool answerYes = false;     // --yes: questions take Yes instead of the default No
    bool resetCaptions = false; // --reset-captions: every photo takes its own caption again
};

// Parses the arguments after the program name; an error text on a usage error.
struct CliParseResult {
    std::optional<CliOptions> options;
    std::string error;
};
CliParseResult parseCliArguments(const std::vector<std::string>& args);

extern const char* const kCliUsage;

} // namespace vistarel
