// vistarel-cli run as a real child process, its output read from a pipe or a terminal.
#include "common/Cp1250.h"
#include "common/FileSystem.h"
#include "common/Version.h"
#include "record/AlbumLock.h"

#include "DemoPhotos.h"
#include "ExifBytes.h"
#include "TempFolder.h"
#include "TestPhotos.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <pty.h>
#include <regex>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vistarel;
using namespace vistarel::testing;
namespace fs = std::filesystem;

namespace {

struct ChildResult {
    int exitCode = -1;
    std::string output; // stdout and stderr together
    bool has(const std::string& text) const { return output.find(text) != std::string::npos; }
};

struct HowToRun {
    // Sees the output so far at the end of each line; false closes the pipe, as "| head" does.
    std::function<bool(pid_t, const std::string&)> onLine = {};
    rlim_t fileSizeLimit = RLIM_INFINITY; // a full disk, without root
    bool onTerminal = false;              // a pseudo-terminal, raw, instead of a pipe
    std::string program = VISTAREL_CLI_PATH;
};

ChildResult runCli(std::vector<std::string> args, const HowToRun& how = {}) {
    args.insert(args.begin(), how.program);
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    int fds[2] = {-1, -1};
    termios raw{};
    ::cfmakeraw(&raw);
    const pid_t pid = how.onTerminal ? ::forkpty(&fds[0], nullptr, &raw, nullptr)
                                     : (::pipe(fds) == 0 ? ::fork() : -1);
    if (pid == 0) {
        if (!how.onTerminal) {
            ::dup2(fds[1], 1);
            ::dup2(fds[1], 2);
            ::close(fds[0]);
        }
        const rlimit limit{how.fileSizeLimit, how.fileSizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    if (!how.onTerminal)
        ::close(fds[1]);
    if (pid < 0)
        throw std::runtime_error("cannot start " + args[0]);
    ChildResult result;
    for (char c; ::read(fds[0], &c, 1) == 1;) { // a terminal ends with an error once closed
        result.output += c;
        if (c == '\n' && how.onLine && !how.onLine(pid, result.output))
            break;
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

// The user's own styles come from a folder of the test's, empty.
struct CliBuild : ::testing::Test {
    TempFolder dir;
    std::string input = dir.subfolder("in");
    std::string output = dir.subfolder("out");
    CliBuild() { ::setenv("XDG_DATA_HOME", dir.subfolder("data").c_str(), 1); }
};

} // namespace

TEST(CliArguments, UsageErrorsHelpAndVersion) {
    const auto help = runCli({"--help"});
    EXPECT_TRUE(help.exitCode == 0 && help.has("vistarel-cli build INPUT_DIR"));
    EXPECT_EQ(runCli({"--version"}).output, "vistarel-cli " + std::string(kProgramVersion) + "\n");
    for (const std::string line :
         {"", "publish", "styles x", "build only-one", "build a b --thumb-quality 101",
          "build a b --jobs 0", "build a b --name", "build a b --colour red",
          "build a b --style no-such.css", "build a b --caption-sources txt,jpg",
          "build a b --caption-sources txt,txt", "build a b --caption-sources exif,"}) {
        std::istringstream words(line);
        const std::vector<std::string> args(std::istream_iterator<std::string>(words), {});
        EXPECT_EQ(runCli(args).exitCode, 2) << line;
    }
}

TEST_F(CliBuild, WritesTheAlbumAndReportsEachPhoto) {
    writeDemoPhotos(input, 0.1);
    // Names with control characters (C0, C1 in UTF-8 and as a byte, DEL) that a terminal
    // would obey, a photo damaged mid-scan: in the album, with a warning; and one that is no
    // photo at all, left out with --keep-going.
    for (const std::string name : {"\x1B[2J", "\xC2\x9B \x9B\t", "ř\x7F"})
        writeTestJpeg(input + name + ".jpg", 40, 30);
    std::string cut = encodeTestJpeg(64, 64);
    cut.resize(cut.size() * 2 / 3);
    writeFileBytes(input + "cut.jpg", cut);
    writeFileBytes(input + "notes.jpg", "no photo");
    input.pop_back();                // folders are given without their separator
    output = dir.file("new/album/"); // made, with its parent
    const auto result = runCli({"build", input, output, "--name", "Léto", "--yes", "--keep-going"});
    EXPECT_EQ(result.exitCode, 0) << result.output;
    const std::string lines[] = {"Info: Načteno 13 snímků\n",
                                 "Info: Vytvořena výstupní složka " + output + "\n",
                                 "/13 08_detail.jpg\n",
                                 " \\x1B[2J.jpg\n",
                                 " \\xC2\\x9B \\x9B\\x09.jpg\n",
                                 " ř\\x7F.jpg\n",
                                 "Varování: " + input + "/cut.jpg: Premature end of JPEG file\n",
                                 "Vynecháno: " + input +
                                     "/notes.jpg: Not a JPEG file: starts "
                                     "with 0x6e 0x6f\n",
                                 "Info: Snímků vytvořeno: 12, beze změny: 0\n"};
    for (const std::string& line : lines)
        EXPECT_TRUE(result.has(line)) << line << " in\n" << result.output;
    EXPECT_EQ(result.output.find('\x1B'), std::string::npos);
    EXPECT_TRUE(fileExists(output + "cut.jpg") && fileExists(output + "sm_03_trh.JPG"));
    const std::string page = readFileBytes(output + "index.html");
    EXPECT_TRUE(page.find("L\xE9to") != std::string::npos &&
                page.find("notes.jpg") == std::string::npos);
}

TEST_F(CliBuild, ShowsAProgressBarOnATerminal) {
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
        writeTestJpeg(input + name, 40, 30);
    const auto result = runCli({"build", input, output}, {.onTerminal = true});
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_TRUE(result.has("\r[" + std::string(30, '.') + "] 0/3 "));
    EXPECT_TRUE(result.has("\r[" + std::string(10, '#') + std::string(20, '.') + "] 1/3 "));
    const std::size_t full = result.output.find("\r[" + std::string(30, '#') + "] 3/3 ");
    ASSERT_NE(full, std::string::npos) << result.output;
    EXPECT_EQ(result.output.find('\n', full),
              result.output.find("\nInfo: Snímků vytvořeno: 3, beze změny: 0\nAlbum: "))
        << "one line";
    EXPECT_FALSE(result.has("a.jpg\n")) << "no line per photo";
}

// Refusals write nothing; outputs that would overwrite an input photo or one another are
// found before any write (the last row's second photo stays). A style that cannot be copied
// is told after the page.
TEST_F(CliBuild, MessagesThatEndTheWorkExitWithOne) {
    writeTestJpeg(input + "a.jpg", 40, 30);
    const std::string photo = readFileBytes(input + "a.jpg");
    std::optional<AlbumLock> otherBuild; // as a build in another process holds it
    const struct {
        std::vector<std::string> args;
        std::string message;
        std::function<void()> prepare = [] {};
    } cases[] = {
        {{"build", input, input}, "Info: Vstupní a výstupní adresář je stejný!"},
        {{"build", dir.file("missing"), output}, "Chyba: Vstupní složka neexistuje!"},
        {{"build", input, input + "a.jpg/album"},
         "Chyba: Výstupní složku " + input + "a.jpg/album/ nelze vytvořit. Not a directory"},
        {{"build", input, output, "--photo", "800"}, "Chyba: Špatně vyplněné rozlišení!"},
        {{"build", input, output},
         "Chyba: Album by přepsalo vstupní snímky!\n" + output + "a.jpg je týž soubor jako " +
             input + "a.jpg\n",
         [&] { fs::create_symlink("../in/a.jpg", output + "a.jpg"); }},
        {{"build", input, output},
         "Chyba: Cannot create file \"" + output + "color.css\". Is a directory",
         [&] { fs::create_directory(output + "color.css"); }},
        {{"build", input, output},
         "Chyba: Do výstupní složky právě zapisuje jiný běh programu Vistarel!\n"
         "Počkejte, až skončí, a zkuste to znovu.",
         [&] { otherBuild.emplace(output); }},
        {{"build", input, output},
         "Chyba: Snímky by se v albu navzájem přepsaly!\na.jpg a sm_a.jpg\n",
         [&] { writeTestJpeg(input + "sm_a.jpg", 40, 30); }},
        {{"build", input, output},
         "Chyba: Jména těchto snímků jsou pro náhledy v albu příliš dlouhá!\n" +
             std::string(250, 'n') + ".jpg\n",
         [&] { writeTestJpeg(input + std::string(250, 'n') + ".jpg", 40, 30); }},
    };
    for (const auto& c : cases) {
        fs::remove_all(output);
        fs::create_directory(output);
        c.prepare();
        const auto result = runCli(c.args);
        otherBuild.reset();
        EXPECT_EQ(result.exitCode, 1) << c.message;
        EXPECT_TRUE(result.has(c.message)) << result.output;
        EXPECT_TRUE(readFileBytes(input + "a.jpg") == photo) << "the input photo changed";
        EXPECT_EQ(fileExists(output + "index.html"), fs::is_directory(output + "color.css"));
    }
}

// A rebuild whose page is over the file size limit, as on a full disk (the album photos go
// the same way; an error at a photo is the album build test's).
TEST_F(CliBuild, AFailedWriteLeavesTheEarlierFileAndNoTemporaryFile) {
    writeTestJpeg(input + "a.jpg", 40, 30);
    ASSERT_EQ(runCli({"build", input, output}).exitCode, 0);
    const std::string before = readFileBytes(output + "index.html");
    const auto result = runCli({"build", input, output}, {.fileSizeLimit = 4096});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.has("Cannot write file \"" + output + "index.html\". File too large."))
        << result.output;
    EXPECT_TRUE(readFileBytes(output + "index.html") == before) << "the page changed";
    const auto entries = fs::directory_iterator(output);
    EXPECT_EQ(std::distance(begin(entries), end(entries)), 5); // the record, no temporary file
}

TEST_F(CliBuild, StopSignalsEndAfterTheCurrentPhotoAndStillWriteThePage) {
    for (int i = 0; i < 24; ++i)
        writeTestJpeg(input + "p" + std::to_string(100 + i) + ".jpg", 1600, 1200);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        const std::string out = dir.subfolder("out" + std::to_string(signal));
        bool sent = false;
        const auto signalAtPhoto1 = [&](pid_t pid, const std::string& text) {
            if (!sent && text.find("\n1/24 ") != std::string::npos)
                sent = ::kill(pid, signal) == 0;
            return true;
        };
        const auto result = runCli({"build", input, out}, {signalAtPhoto1});
        EXPECT_EQ(result.exitCode, 128 + signal) << result.output;
        EXPECT_TRUE(fileExists(out + "p100.jpg"));
        EXPECT_FALSE(fileExists(out + "p123.jpg"));
        EXPECT_NE(readFileBytes(out + "index.html").find("p123.jpg"), std::string::npos);
    }
    // A reader that goes away ("| head -3") costs the progress lines, not the album.
    int lines = 0;
    const auto onLine = [&](pid_t, const std::string&) { return ++lines < 3; };
    EXPECT_EQ(runCli({"build", input, output}, {onLine}).exitCode, 0);
    EXPECT_TRUE(fileExists(output + "sm_p123.jpg") && fileExists(output + "color.css"));
}

// A build killed mid-way leaves a record never ahead of its files: the next build keeps the
// photos it can be sure of, makes the rest, and the album is a fresh one's to the byte.
// --prune then removes what the record lists of photos taken out, and nothing else.
TEST_F(CliBuild, AKilledBuildIsFinishedExactlyAndPruneRemovesOnlyTheAlbumsOwn) {
    const auto photo = [&](int i, unsigned seed) {
        writeTestJpeg(input + "p" + std::to_string(100 + i) + ".jpg", 1200, 900, {.seed = seed});
    };
    for (int i = 0; i < 24; ++i)
        photo(i, 1);
    ASSERT_EQ(runCli({"build", input, output}).exitCode, 0);
    for (int i = 12; i < 24; ++i)
        photo(i, 2);
    bool killed = false;
    const auto killAtPhoto16 = [&](pid_t pid, const std::string& text) {
        if (!killed && text.find("\n16/24 ") != std::string::npos)
            killed = ::kill(pid, SIGKILL) == 0;
        return true;
    };
    EXPECT_EQ(runCli({"build", input, output}, {killAtPhoto16}).exitCode, 128 + SIGKILL);
    const auto rebuilt = runCli({"build", input, output});
    EXPECT_TRUE(rebuilt.has("beze změny: 1") || rebuilt.has("beze změny: 2")) << rebuilt.output;
    const std::string fresh = dir.subfolder("fresh");
    ASSERT_EQ(runCli({"build", input, fresh}).exitCode, 0);
    for (const auto& entry : fs::directory_iterator(fresh)) {
        const std::string name = entry.path().filename();
        EXPECT_TRUE(name == ".vistarel-album" ||
                    readFileBytes(entry.path()) == readFileBytes(output + name))
            << name;
    }

    fs::remove(input + "p100.jpg");
    fs::remove(input + "p101.jpg");
    writeFileBytes(output + "p101.jpg", "the user's own now");
    writeFileBytes(output + "notes.txt", "mine");
    const auto pruned = runCli({"build", input, output, "--prune"});
    EXPECT_EQ(pruned.exitCode, 0);
    for (const char* name : {"p100.jpg", "sm_p100.jpg", "sm_p101.jpg"}) {
        EXPECT_TRUE(pruned.has("Odstraněno: " + output + name + "\n")) << pruned.output;
        EXPECT_FALSE(fs::exists(output + name));
    }
    EXPECT_TRUE(fs::exists(output + "p101.jpg") && fs::exists(output + "notes.txt"));
}

// Each photo's caption from another source or pair of sources, in three orders; all are text
// in the page, markup included. Sidecars too large or not XML are told and left.
TEST_F(CliBuild, TakesEachPhotosCaptionFromTheFirstSourceThatHasOne) {
    using namespace vistarel::testing;
    const std::string filler = "OLYMPUS DIGITAL CAMERA         ", big(1024 * 1024 + 1, 'x');
    const struct {
        std::string name, description, comment;
        std::vector<std::string> segments;
        std::vector<std::pair<std::string, std::string>> sidecars;
        std::string captions[2]; // as the page holds them: default order, "description,iptc,xmp"
    } photos[] = {
        // clang-format off
        {"a", filler, "", {}, {}, {"", ""}},
        {"b", "OLYMPUS", "", {iptcSegment("Z IPTC za výplní")}, {}, {"Z IPTC za výplní", "Z IPTC za výplní"}},
        {"c", "", "", {}, {{"c.txt", " \r\n"}, {"c.jpg.XMP", xmpDescribing("Z c.jpg.xmp")}},
         {"Z c.jpg.xmp", "Z c.jpg.xmp"}},
        {"d", "", "", {xmpSegment(xmpDescribing("Uvnitř"))},
         {{"d.jpg.xmp", xmpDescribing("Z d.jpg.xmp")}, {"d.xmp", xmpDescribing("Z d.xmp")}}, {"Z d.xmp", "Z d.xmp"}},
        {"e", "", "Komentář", {}, {{"e.txt", "Před komentářem\nv textu\n"}}, {"Před komentářem<br>v textu", ""}},
        {"f", "", "Komentář", {}, {{"f.txt", big}}, {"Komentář", ""}},
        {"g", "", "", {xmpSegment(xmpDescribing("&lt;b&gt;Tom &amp; Jerry&lt;/b&gt;"))}, {{"g.jpg.xmp", "<broken"}},
         {"&lt;b&gt;Tom &amp; Jerry&lt;/b&gt;", "&lt;b&gt;Tom &amp; Jerry&lt;/b&gt;"}},
        {"h", "Popis", "", {iptcSegment("Caf\xE9 \x80")}, {}, {"Café €", "Popis"}},
        {"i", "Popis s \xE8", "", {}, {}, {"Popis s č", "Popis s č"}}, // windows-1250
        {"j", filler, "", {xmpSegment(xmpDescribing("Uvnitř"))}, {{"j.xmp", xmpDescribing("x-default")}},
         {"Uvnitř", "Uvnitř"}},
        // clang-format on
    };
    for (const auto& p : photos) {
        TiffBlockBuilder exif(p.name < "f" ? ByteOrder::Intel : ByteOrder::Motorola);
        exif.text(Directory::Ifd0, 270, p.description).text(Directory::Ifd0, 271, "OLYMPUS");
        if (!p.comment.empty())
            exif.undefined(Directory::Exif, 37510, userCommentBytes("", p.comment));
        std::vector<std::string> segments{exifSegment(exif.build())};
        segments.insert(segments.end(), p.segments.begin(), p.segments.end());
        writeFileBytes(input + p.name + ".jpg", realJpegFile(segments));
        for (const auto& [name, bytes] : p.sidecars)
            writeFileBytes(input + name, bytes);
    }
    for (const int order : {0, 1, 2}) {
        const char* sources[] = {"txt,exif,xmp,iptc,description", "description,iptc,xmp", ""};
        const auto result = runCli({"build", input, output, "--caption-sources", sources[order]});
        EXPECT_EQ(result.exitCode, 0) << result.output;
        EXPECT_EQ(result.has("Varování: " + input + "f.txt: over 1 MB, not read for a caption\n"),
                  order == 0);
        EXPECT_EQ(result.has("Varování: " + input + "g.jpg.xmp: XMP not read, line 1: "),
                  order < 2);
        const std::string page = cp1250ToUtf8(readFileBytes(output + "index.html"));
        for (const auto& p : photos) {
            std::smatch match;
            const std::regex line("loadPic\\('" + p.name + ".jpg'( , \\d+){4} , '(.*)'\\);");
            ASSERT_TRUE(std::regex_search(page, match, line)) << p.name;
            EXPECT_EQ(match[2], order < 2 ? p.captions[order] : "") << p.name << " " << order;
        }
    }
}
