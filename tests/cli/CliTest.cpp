#include "cli/CliOptions.h"
#include "cli/TerminalFrontEnd.h"
#include "common/FileSystem.h"

#include "DemoPhotos.h"
#include "TempFolder.h"
#include "TestPhotos.h"

#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

using namespace vistarel;
using namespace vistarel::testing;

namespace {

struct ChildResult {
    int exitCode = -1;
    std::string output; // stdout and stderr together
};

// Starts the real vistarel-cli; onLine sees each output line as it arrives.
ChildResult runCli(const std::vector<std::string>& args,
                   const std::function<void(pid_t, const std::string&)>& onLine = {}) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 2);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<std::string> all{VISTAREL_CLI_PATH};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[1]);
    if (spawned != 0)
        throw std::runtime_error("spawn");

    ChildResult result;
    std::string line;
    char c;
    while (::read(pipeFds[0], &c, 1) == 1) {
        result.output += c;
        if (c != '\n') {
            line += c;
            continue;
        }
        if (onLine)
            onLine(pid, line);
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

TEST_F(CliBuild, WritesTheAlbumAndReportsEachPhoto) {
    writeDemoPhotos(input, 0.1);
    const auto result = runCli({"build", input, output, "--name", "Léto", "--yes"});
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_NE(result.output.find("Info: Načteno 8 snímků\n"), std::string::npos);
    EXPECT_NE(result.output.find("8/8 08_detail.jpg\n"), std::string::npos);
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
}

TEST_F(CliBuild, InterruptStopsAfterTheCurrentPhotoAndStillWritesThePage) {
    for (int i = 0; i < 24; ++i)
        writeTestJpeg(input + "p" + std::to_string(100 + i) + ".jpg", 1600, 1200);
    bool sent = false;
    const auto result = runCli({"build", input, output}, [&](pid_t pid, const std::string& line) {
        if (!sent && line.rfind("1/24 ", 0) == 0) {
            ::kill(pid, SIGINT);
            sent = true;
        }
    });
    EXPECT_EQ(result.exitCode, 130) << result.output;
    EXPECT_TRUE(fileExists(output + "p100.jpg"));
    EXPECT_FALSE(fileExists(output + "p123.jpg"));
    const std::string page = readFileBytes(output + "index.html");
    EXPECT_NE(page.find("p123.jpg"), std::string::npos);
}
