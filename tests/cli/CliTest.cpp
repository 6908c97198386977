#include "cli/CliOptions.h"
#include "cli/TerminalFrontEnd.h"
#include "common/FileSystem.h"

#include "DemoPhotos.h"
#include "TempFolder.h"
#include "TestPhotos.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vistarel;
using namespace vistarel::testing;

namespace {

struct ChildResult {
    int exitCode = -1;
    std::string output; // stdout and stderr together
};

// Starts the real vistarel-cli, under a file-size limit when one is given (a full disk
// without root). onLine sees each output line as it arrives; false closes the pipe, as
// "| head" does.
ChildResult runCli(const std::vector<std::string>& args,
                   const std::function<bool(pid_t, const std::string&)>& onLine = {},
                   rlim_t fileSizeLimit = RLIM_INFINITY) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        throw std::runtime_error("pipe");
    std::vector<std::string> all{VISTAREL_CLI_PATH};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeFds[1], 1);
        ::dup2(pipeFds[1], 2);
        ::close(pipeFds[0]);
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        if (fileSizeLimit != RLIM_INFINITY)
            ::setrlimit(RLIMIT_FSIZE, &limit);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    if (pid < 0)
        throw std::runtime_error("fork");

    ChildResult result;
    std::string line;
    char c;
    while (::read(pipeFds[0], &c, 1) == 1) {
        result.output += c;
        if (c != '\n') {
            line += c;
            continue;
        }
        if (onLine && !onLine(pid, line))
            break;
        line.clear();
    }
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

struct CliBuild : ::testing::Test {
    TempFolder dir;
    std::string input = dir.subfolder("in");
    std::string output = dir.subfolder("out");
};

} // namespace

TEST(CliArguments, UsageErrorsHelpAndVersion) {
    EXPECT_EQ(runCli({"--help"}).exitCode, 0);
    EXPECT_NE(runCli({"--help"}).output.find("vistarel-cli build INPUT_DIR"), std::string::npos);
    EXPECT_EQ(runCli({"--version"}).output, "vistarel-cli 2.0.5\n");
    for (const std::vector<std::string>& bad : {std::vector<std::string>{},
                                                {"publish"},
                                                {"build", "only-one"},
                                                {"build", "a", "b", "c"},
                                                {"build", "a", "b", "--thumb-quality", "101"},
                                                {"build", "a", "b", "--jobs", "0"},
                                                {"build", "a", "b", "--name"},
                                                {"build", "a", "b", "--colour", "red"},
                                                {"styles", "x"}})
        EXPECT_EQ(runCli(bad).exitCode, 2);
}

TEST(CliArguments, FoldersGetASeparatorAndDefaultsAreTheWindows) {
    const auto parsed =
        parseCliArguments({"build", "in", "out/", "--photo", "1024x768", "--jobs", "3"});
    ASSERT_TRUE(parsed.options);
    const AlbumSettings& s = parsed.options->settings;
    EXPECT_EQ(s.inputFolder, "in/");
    EXPECT_EQ(s.outputFolder, "out/");
    EXPECT_EQ(s.albumName, "Vistarel");
    EXPECT_EQ(s.thumbSizeText, "100x75");
    EXPECT_EQ(s.photoSizeText, "1024x768");
    EXPECT_EQ(s.thumbQuality, 60);
    EXPECT_EQ(s.photoQuality, 80);
    EXPECT_EQ(s.jobs, 3);
    EXPECT_FALSE(s.keepPreviews) << "a terminal shows no previews";
    EXPECT_FALSE(parsed.options->answerYes);
}

TEST(TerminalFrontEnd, QuestionsTakeNoUnlessYesWasGiven) {
    AlbumState state;
    std::FILE* sink = std::tmpfile();
    TerminalFrontEnd cautious(state, false, sink);
    TerminalFrontEnd willing(state, true, sink);
    EXPECT_EQ(cautious.showMessage("?", "Info", MessageIcon::Question, MessageButtons::YesNo),
              MessageAnswer::No);
    EXPECT_EQ(willing.showMessage("?", "Info", MessageIcon::Question, MessageButtons::YesNo),
              MessageAnswer::Yes);
    std::fclose(sink);
}

TEST(TerminalFrontEnd, ControlCharactersAreShownAsEscapes) {
    const struct {
        const char* text;
        bool keepLineFeeds;
        const char* shown;
    } cases[] = {
        {"\x1B[31mčervená\x7F", false, "\\x1B[31mčervená\\x7F"},
        {"a\tb\r\nc", true, "a\\x09b\\x0D\nc"},
        {"a\nb", false, "a\\x0Ab"},
        {"C1 \xC2\x9B, byte \x9B, ř \xE8", false, "C1 \\xC2\\x9B, byte \\x9B, ř \xE8"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(visibleOnTerminal(c.text, c.keepLineFeeds), c.shown);
}

TEST_F(CliBuild, WritesTheAlbumAndReportsEachPhoto) {
    writeDemoPhotos(input, 0.1);
    writeTestJpeg(input + "\x1B[2J.jpg", 40, 30); // a name that would clear the terminal
    std::vector<std::uint8_t> cut = encodeTestJpeg(64, 64);
    cut.resize(cut.size() * 2 / 3); // damaged mid-scan: in the album, with a warning
    writeBytes(input + "cut.jpg", cut);
    const auto result = runCli({"build", input, output, "--name", "Léto", "--yes"});
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_NE(result.output.find("Info: Načteno 10 snímků\n"), std::string::npos);
    EXPECT_NE(result.output.find("1/10 \\x1B[2J.jpg\n"), std::string::npos);
    EXPECT_NE(result.output.find("9/10 08_detail.jpg\n"), std::string::npos);
    EXPECT_NE(result.output.find("Varování: " + input + "cut.jpg: Premature end of JPEG file\n"),
              std::string::npos)
        << result.output;
    EXPECT_TRUE(fileExists(output + "cut.jpg"));
    EXPECT_EQ(result.output.find('\x1B'), std::string::npos);
    EXPECT_TRUE(fileExists(output + "sm_03_trh.JPG"));
    EXPECT_NE(readFileBytes(output + "index.html").find("L\xE9to"), std::string::npos);
    EXPECT_TRUE(fileExists(output + "color.css"));
}

TEST_F(CliBuild, MessagesThatEndTheWorkExitWithOne) {
    writeTestJpeg(input + "a.jpg", 40, 30);
    auto result = runCli({"build", input, input});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("Info: Vstupní a výstupní adresář je stejný!"), std::string::npos);

    result = runCli({"build", dir.file("missing"), output});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("Chyba: Vstupní složka neexistuje!"), std::string::npos);

    result = runCli({"build", input, output, "--photo", "800"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("Chyba: Špatně vyplněné rozlišení!"), std::string::npos);

    writeFileBytes(input + "b.jpg", "broken");
    result = runCli({"build", input, output});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("Chyba: " + input + "b.jpg: "), std::string::npos)
        << result.output;
    EXPECT_FALSE(fileExists(output + "index.html"));

    EXPECT_EQ(runCli({"build", input, output, "--style", "no-such.css"}).exitCode, 2);

    std::filesystem::remove(input + "b.jpg");
    std::filesystem::create_directory(output + "color.css");
    result = runCli({"build", input, output});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.output.find("Chyba: Cannot create file \"" + output + "color.css\". Is a"),
              std::string::npos);
}

TEST_F(CliBuild, OutputsThatWouldOverwriteAPhotoRefuseTheBuildBeforeAnyWrite) {
    namespace fs = std::filesystem;
    writeTestJpeg(input + "a.jpg", 40, 30);
    const std::string photo = readFileBytes(input + "a.jpg");
    const std::string sameFile = "Chyba: Album by přepsalo vstupní snímky!\n" + output;
    const struct {
        std::function<void()> prepare;
        std::string message;
    } cases[] = {
        {[&] { fs::create_symlink("../in/a.jpg", output + "a.jpg"); },
         sameFile + "a.jpg je týž soubor jako " + input + "a.jpg\n"},
        {[&] { fs::create_hard_link(input + "a.jpg", output + "sm_a.jpg"); },
         sameFile + "sm_a.jpg je týž soubor jako " + input + "a.jpg\n"},
        {[&] { writeTestJpeg(input + "sm_a.jpg", 40, 30); },
         "Chyba: Snímky by se v albu navzájem přepsaly!\na.jpg a sm_a.jpg\n"},
    };
    for (const auto& c : cases) {
        fs::remove_all(output);
        fs::create_directory(output);
        c.prepare();
        const auto result = runCli({"build", input, output});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.output.find(c.message), std::string::npos) << result.output;
        EXPECT_TRUE(readFileBytes(input + "a.jpg") == photo) << "the input photo changed";
        EXPECT_FALSE(fileExists(output + "index.html"));
    }
}

TEST_F(CliBuild, AFailedWriteLeavesTheEarlierFileAndNoTemporaryFile) {
    // The rebuild's first file too large for the limit: the album photo, or the page.
    const struct {
        int width, height;
        rlim_t limit;
        std::string file;
    } cases[] = {{1600, 1200, 8192, "a.jpg"}, {40, 30, 4096, "index.html"}};
    for (const auto& c : cases) {
        const std::string out = dir.subfolder("out-" + c.file);
        writeTestJpeg(input + "a.jpg", c.width, c.height);
        ASSERT_EQ(runCli({"build", input, out}).exitCode, 0);
        const std::string before = readFileBytes(out + c.file);
        const auto result = runCli({"build", input, out}, {}, c.limit);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.output.find("Cannot write file \"" + out + c.file + "\". File too large."),
                  std::string::npos)
            << result.output;
        EXPECT_TRUE(readFileBytes(out + c.file) == before) << c.file << " changed";
        const auto entries = std::filesystem::directory_iterator(out);
        EXPECT_EQ(std::distance(begin(entries), end(entries)), 4); // no temporary file
    }
}

TEST_F(CliBuild, StopSignalsEndAfterTheCurrentPhotoAndStillWriteThePage) {
    for (int i = 0; i < 24; ++i)
        writeTestJpeg(input + "p" + std::to_string(100 + i) + ".jpg", 1600, 1200);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        const std::string out = dir.subfolder("out" + std::to_string(signal));
        bool sent = false;
        const auto result = runCli({"build", input, out}, [&](pid_t pid, const std::string& line) {
            if (!sent && line.rfind("1/24 ", 0) == 0)
                sent = ::kill(pid, signal) == 0;
            return true;
        });
        EXPECT_EQ(result.exitCode, 128 + signal) << result.output;
        EXPECT_TRUE(fileExists(out + "p100.jpg"));
        EXPECT_FALSE(fileExists(out + "p123.jpg"));
        EXPECT_NE(readFileBytes(out + "index.html").find("p123.jpg"), std::string::npos);
    }
    // A reader that goes away ("| head -3") costs the progress lines, not the album.
    int lines = 0;
    const auto result =
        runCli({"build", input, output}, [&](pid_t, const std::string&) { return ++lines < 3; });
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(fileExists(output + "sm_p123.jpg"));
    EXPECT_TRUE(fileExists(output + "color.css"));
}
