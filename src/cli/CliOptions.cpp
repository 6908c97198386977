#include "cli/CliOptions.h"

#include "common/FileSystem.h"

#include <charconv>

namespace vistarel {

const char* const kCliUsage =
    "Usage:\n"
    "  vistarel-cli build INPUT_DIR OUTPUT_DIR [--name TEXT] [--thumb WxH] [--photo WxH]\n"
    "                     [--thumb-quality N] [--photo-quality N] [--style FILE] [--yes]\n"
    "                     [--jobs N] [--ignore-orientation] [--caption-sources LIST]\n"
    "                     [--reset-captions] [--full] [--prune] [--keep-going]\n"
    "  vistarel-cli styles          lists the shipped styles and the user's own\n"
    "  vistarel-cli --help | --version\n"
    "\n"
    "Makes a web photo album of the *.jpg and *.jpeg photos of INPUT_DIR in OUTPUT_DIR:\n"
    "album photos, sm_ thumbnails, index.html and color.css. Defaults: --name Vistarel,\n"
    "--thumb 100x75, --photo 800x600, --thumb-quality 60, --photo-quality 80, the first\n"
    "style listed.\n"
    "--jobs N makes at most N photos at once (default: one per hardware thread).\n"
    "Photos are turned upright as their EXIF orientation says, unless --ignore-orientation.\n"
    "A photo's caption is the first of: txt (NAME.txt or NAME.jpg.txt beside it), exif (its\n"
    "EXIF user comment), xmp (XMP description from NAME.xmp, NAME.jpg.xmp or the photo),\n"
    "iptc (IPTC Caption-Abstract), description (EXIF ImageDescription, camera fillers left\n"
    "out). --caption-sources LIST narrows or reorders them: a comma-separated list of those\n"
    "names, default txt,exif,xmp,iptc,description; an empty LIST takes none.\n"
    "Captions are kept in the album's index.html: a caption typed there (or in the window)\n"
    "stays through later builds, every other photo takes its own caption anew;\n"
    "--reset-captions gives every photo its own caption again. A missing OUTPUT_DIR is\n"
    "created.\n"
    "A rebuild makes only the photos whose input, settings or album files changed (the\n"
    "hidden OUTPUT_DIR/.vistarel-album records what was made); --full makes every photo.\n"
    "--prune removes the album files of photos no longer in INPUT_DIR (only files the\n"
    "record lists as this album's) and names them; without it nothing is deleted.\n"
    "--keep-going leaves out a photo that cannot be read or decoded, names it, and still\n"
    "writes the album; without it such a photo ends the build.\n"
    "Ctrl+C, SIGTERM and SIGHUP start no new photo, finish those in flight and still write\n"
    "the page.\n";

namespace {

std::optional<int> parseNumber(const std::string& text, int lowest, int highest) {
    int value = -1;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || ptr != text.data() + text.size() || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

CliParseResult usageError(const std::string& text) {
    return {std::nullopt, text};
}

CliParseResult parseBuild(const std::vector<std::string>& args) {
    CliOptions options;
    options.command = CliCommand::Build;
    options.settings.keepPreviews = false; // a terminal never shows them
    std::vector<std::string> folders;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--yes") {
            options.answerYes = true;
            continue;
        }
        if (arg == "--ignore-orientation") {
            options.settings.turnUpright = false;
            continue;
        }
        if (arg == "--reset-captions") {
            options.resetCaptions = true;
            continue;
        }
        if (arg == "--full" || arg == "--prune" || arg == "--keep-going") {
            AlbumSettings& s = options.settings;
            (arg == "--full" ? s.remakeAll : arg == "--prune" ? s.prune : s.keepGoing) = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0) {
            folders.push_back(arg);
            continue;
        }
        if (i + 1 >= args.size())
            return usageError("missing value after " + arg);
        const std::string& value = args[++i];
        AlbumSettings& s = options.settings;
        if (arg == "--name") {
            s.albumName = value;
        } else if (arg == "--thumb") {
            s.thumbSizeText = value;
        } else if (arg == "--photo") {
            s.photoSizeText = value;
        } else if (arg == "--style") {
            s.styleName = value;
        } else if (arg == "--thumb-quality" || arg == "--photo-quality") {
            const auto quality = parseNumber(value, 0, 100);
            if (!quality)
                return usageError(arg + " takes a whole number from 0 to 100");
            (arg == "--thumb-quality" ? s.thumbQuality : s.photoQuality) = *quality;
        } else if (arg == "--caption-sources") {
            const auto sources = parseCaptionSources(value);
            if (!sources)
                return usageError("--caption-sources takes a comma-separated list of txt, exif, "
                                  "xmp, iptc and description, each at most once");
            s.captionSources = *sources;
        } else if (arg == "--jobs") {
            const auto jobs = parseNumber(value, 1, 1024);
            if (!jobs)
                return usageError("--jobs takes a whole number from 1 to 1024");
            s.jobs = *jobs;
        } else {
            return usageError("unknown option " + arg);
        }
    }
    if (folders.size() != 2)
        return usageError("build needs INPUT_DIR and OUTPUT_DIR");
    // An empty text would name the folder the program runs in, or "/" once a separator is
    // appended.
    if (folders[0].empty() || folders[1].empty())
        return usageError("INPUT_DIR and OUTPUT_DIR must not be empty");
    options.settings.inputFolder = withTrailingSeparator(folders[0]);
    options.settings.outputFolder = withTrailingSeparator(folders[1]);
    return {options, {}};
}

} // namespace

CliParseResult parseCliArguments(const std::vector<std::string>& args) {
    if (args.empty())
        return usageError("no command given");
    const std::string& first = args.front();
    CliOptions options;
    if (first == "--help" || first == "-h") {
        options.command = CliCommand::Help;
    } else if (first == "--version") {
        options.command = CliCommand::Version;
    } else if (first == "styles") {
        if (args.size() != 1)
            return usageError("styles takes no arguments");
        options.command = CliCommand::Styles;
    } else if (first == "build") {
        return parseBuild(args);
    } else {
        return usageError("unknown command " + first);
    }
    return {options, {}};
}

} // namespace vistarel
