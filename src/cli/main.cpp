// vistarel-cli: the album build driven from a terminal.
#include "album/BuildCommand.h"
#include "album/LoadCommand.h"
#include "cli/CliOptions.h"
#include "cli/TerminalFrontEnd.h"
#include "common/Error.h"
#include "common/FileSystem.h"
#include "common/Version.h"
#include "styles/StyleCommands.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>

using namespace vistarel;

namespace {

constexpr int kExitWritten = 0;
constexpr int kExitMessage = 1;
constexpr int kExitUsage = 2;

void onStopSignal(int signal) {
    TerminalFrontEnd::interrupted = signal;
}

// Ctrl+C, kill and a closed terminal all stop the build after the current photo, and the
// page is still written. A reader that goes away (a pipe into head) costs only the
// progress lines; a file-size limit fails the write, which names the file, rather than
// ending the program halfway.
void handleSignals() {
    for (const int stop : {SIGINT, SIGTERM, SIGHUP})
        std::signal(stop, onStopSignal);
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
}

// A terminal user names the album's folder; the window's picker gives only existing ones.
bool outputFolderMade(const std::string& folder) {
    if (folderExists(folder))
        return true;
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::fprintf(stderr, "Chyba: Výstupní složku %s nelze vytvořit. %s\n",
                     visibleOnTerminal(folder, false).c_str(), systemReason(ec.value()).c_str());
        return false;
    }
    std::fprintf(stderr, "Info: Vytvořena výstupní složka %s\n",
                 visibleOnTerminal(folder, false).c_str());
    return true;
}

int listStyles() {
    AlbumState state;
    TerminalFrontEnd terminal(state, false, stderr);
    const StyleOutcome listed = ListStyles(terminal);
    if (!listed.styles || listed.styles->empty())
        return kExitMessage;
    for (const auto& name : *listed.styles)
        std::printf("%s\n", visibleOnTerminal(name, false).c_str());
    return kExitWritten;
}

// The exit status says what became of the album, from the build's outcome alone. Damaged
// photos are in the album, so they are a warning, not a failure.
int exitStatus(const BuildOutcome& built, const AlbumSettings& settings) {
    const bool written = built.ending == Ending::Done || built.ending == Ending::Stopped;
    if (!written || built.encodingFailed)
        return kExitMessage;
    for (const auto* list : {&built.damagedPhotos, &built.warnings})
        for (const std::string& warning : *list)
            std::fprintf(stderr, "Varování: %s\n", visibleOnTerminal(warning, false).c_str());
    for (const std::string& leftOut : built.leftOutPhotos)
        std::fprintf(stderr, "Vynecháno: %s\n", visibleOnTerminal(leftOut, false).c_str());
    for (const std::string& removed : built.removedFiles)
        std::fprintf(stderr, "Odstraněno: %s\n", visibleOnTerminal(removed, false).c_str());
    std::fprintf(stderr, "Info: Snímků vytvořeno: %d, beze změny: %d\n",
                 built.photosBuilt - built.photosUpToDate, built.photosUpToDate);
    std::fprintf(stderr, "Album: %sindex.html\n",
                 visibleOnTerminal(settings.outputFolder, false).c_str());
    // Stopped by a signal: the shell's status for it, 128 + its number.
    return built.ending == Ending::Stopped ? 128 + TerminalFrontEnd::interrupted : kExitWritten;
}

int build(const CliOptions& options) {
    AlbumState state;
    TerminalFrontEnd terminal(state, options.answerYes, stderr);
    AlbumSettings settings = options.settings;

    const StyleOutcome listed = ListStyles(terminal);
    if (!listed.styles)
        return kExitMessage;
    const auto& styles = *listed.styles;
    if (settings.styleName.empty()) {
        settings.styleName = styles.empty() ? std::string() : styles.front();
    } else if (std::find(styles.begin(), styles.end(), settings.styleName) == styles.end()) {
        std::fprintf(stderr, "vistarel-cli: no style \"%s\" in %s\n",
                     visibleOnTerminal(settings.styleName, false).c_str(),
                     visibleOnTerminal(stylesFolder(), false).c_str());
        return kExitUsage;
    }

    if (runLoadCommand(state, settings, terminal).ending != Ending::Done ||
        !outputFolderMade(settings.outputFolder))
        return kExitMessage;
    if (options.resetCaptions)
        for (PhotoRecord& photo : state.catalogue)
            photo.clearCaption();
    return exitStatus(runBuildCommand(state, settings, terminal), settings);
}

} // namespace

int main(int argc, char** argv) {
    handleSignals();
    const std::vector<std::string> args(argv + 1, argv + argc);
    const CliParseResult parsed = parseCliArguments(args);
    if (!parsed.options) {
        std::fprintf(stderr, "vistarel-cli: %s\n\n%s", parsed.error.c_str(), kCliUsage);
        return kExitUsage;
    }
    switch (parsed.options->command) {
    case CliCommand::Help:
        std::fputs(kCliUsage, stdout);
        return kExitWritten;
    case CliCommand::Version:
        std::printf("vistarel-cli %s\n", kProgramVersion);
        return kExitWritten;
    case CliCommand::Styles:
        return listStyles();
    case CliCommand::Build:
        return build(*parsed.options);
    }
    return kExitUsage;
}
