// vistarel-cli: the album build driven from a terminal.
#include "album/BuildCommand.h"
#include "cli/CliOptions.h"
#include "cli/TerminalWindow.h"
#include "common/FileSystem.h"
#include "state/LoadCatalogue.h"
#include "styles/StyleCommands.h"

#include <algorithm>
#include <csignal>
#include <cstdio>

using namespace vistarel;

namespace {

constexpr int kExitWritten = 0;
constexpr int kExitMessage = 1;
constexpr int kExitUsage = 2;
constexpr int kExitInterrupted = 130;

void onInterrupt(int) {
    TerminalWindow::interrupted = 1;
}

int listStyles() {
    AlbumState state;
    TerminalWindow window(state, {}, false, stderr);
    ListStyles(window);
    for (const auto& name : window.styles())
        std::printf("%s\n", name.c_str());
    return window.styles().empty() ? kExitMessage : kExitWritten;
}

int build(const CliOptions& options) {
    std::signal(SIGINT, onInterrupt);
    AlbumState state;
    TerminalWindow window(state, options.settings, options.answerYes, stderr);
    ListStyles(window);
    const auto& styles = window.styles();
    const std::string& chosen = options.settings.styleName;
    if (!chosen.empty() && std::find(styles.begin(), styles.end(), chosen) == styles.end()) {
        std::fprintf(stderr, "vistarel-cli: no style \"%s\" in %s\n", chosen.c_str(),
                     stylesFolder().c_str());
        return kExitUsage;
    }
    loadCatalogue(state, window);
    if (!window.catalogueLoaded())
        return kExitMessage;
    runBuildCommand(state, window);
    if (window.failed() || !window.pageWasWritten())
        return kExitMessage;
    std::fprintf(stderr, "Album: %sindex.html\n", options.settings.outputFolder.c_str());
    return TerminalWindow::interrupted ? kExitInterrupted : kExitWritten;
}

} // namespace

int main(int argc, char** argv) {
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
        std::puts("vistarel-cli 2.0.5");
        return kExitWritten;
    case CliCommand::Styles:
        return listStyles();
    case CliCommand::Build:
        return build(*parsed.options);
    }
    return kExitUsage;
}
