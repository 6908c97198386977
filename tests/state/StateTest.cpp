#include "RecordingFrontEnd.h"
#include "TempFolder.h"
#include "common/FileSystem.h"
#include "state/LoadCatalogue.h"
#include "state/SizeSettings.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace vistarel;
using vistarel::testing::RecordingFrontEnd;
using vistarel::testing::TempFolder;
using Calls = std::vector<std::string>;

namespace {

const std::string kSameFolders =
    "message Info information ok: Vstupní a výstupní adresář je stejný!";
const std::string kQuestion =
    "message Info question yes/no: Pokud znovu načtete snímky, přijdete o doposud vyplněné "
    "komentáře!\r\nChcete opravdu načíst nové snímky?";

struct LoadTest : ::testing::Test {
    TempFolder dir;
    RecordingFrontEnd window;
    AlbumState state;
    std::string input = dir.subfolder("in");

    LoadTest() {
        window.settings.inputFolder = input;
        window.settings.outputFolder = dir.subfolder("out");
        state.catalogue.resize(2);
    }
    LoadOutcome load() {
        window.calls.clear();
        return loadCatalogue(state, window.settings, window);
    }
};

} // namespace

TEST_F(LoadTest, TakesJpgFilesInTheOrderOfACzechFileManager) {
    // Ch after H, numbers by value, accents then case; names collating equal by bytes.
    const Calls expected = {"auto.jpg",        "c.JPEG",   "čáp.jpg",  "Čáp.JPG",   "dum.jpg",
                            "du\xCC\x8Am.jpg", "dům.jpg",  "hrad.jpg", "chata.jpg", "img9.jpg",
                            "img10.Jpg",       "sm_a.jpg", "Šnek.jpg", "Zebra.jpg"};
    for (auto it = expected.rbegin(); it != expected.rend(); ++it)
        writeFileBytes(input + *it, "x");
    writeFileBytes(input + "c.jpe", "x");
    EXPECT_EQ(load().photoCount, 14);
    EXPECT_EQ(window.calls, Calls{"message Info information ok: Načteno 14 snímků"});
    Calls names;
    for (const auto& record : state.catalogue)
        names.push_back(record.fileName);
    EXPECT_EQ(names, expected);
}

TEST_F(LoadTest, MissingOrCollidingFoldersKeepTheCatalogueAndAnEmptyOneEmptiesIt) {
    std::filesystem::create_directory_symlink(input, dir.file("alias"));
    const std::string missing = "message Chyba warning ok: Vstupní složka neexistuje!";
    const struct {
        std::string in, out, message;
    } rows[] = {{dir.file("gone/"), "x/", missing},
                {input, dir.file("alias/"), kSameFolders},
                {input, dir.file("out/"),
                 "message Info information ok: Složka neobsahuje obrázky typu *.JPG!"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.in + " " + row.out);
        window.settings.inputFolder = row.in;
        window.settings.outputFolder = row.out;
        const bool done = load().ending == Ending::Done;
        EXPECT_EQ(done, row.message.find("*.JPG") != std::string::npos);
        EXPECT_EQ(window.calls, Calls{row.message});
        EXPECT_EQ(state.catalogue.size(), done ? 0u : 2u);
    }
}

TEST_F(LoadTest, EditedCaptionsAskFirstEvenWhenTheFoldersCollide) {
    writeFileBytes(input + "a.jpg", "x");
    state.captionsEdited = true;
    window.settings.outputFolder = input;
    window.answers = {MessageAnswer::Yes};
    load();
    EXPECT_EQ(window.calls, (Calls{kSameFolders, kQuestion}));
    window.settings.outputFolder = dir.file("out/");
    load(); // no answer queued: No
    EXPECT_EQ(window.calls, Calls{kQuestion});
    EXPECT_EQ(state.catalogue.size(), 2u);
    window.answers = {MessageAnswer::Yes};
    load();
    EXPECT_EQ(state.catalogue.size(), 1u);
    EXPECT_TRUE(state.captionsEdited); // only writing the page clears it
}

// Two 32-bit integers joined by a small x; the larger counts. The thumbnail's text is read
// first and stays read when the photo's fails.
TEST(ReadSizeSettings, TakesTheLargerNumberOfEachTextOrWarns) {
    const std::pair<const char*, int> rows[] = {
        // 0: refused
        {"600x800", 800},    {" 800x600", 800},    {"+800x-600", 800},  {"$1E0x0x140", 480},
        {"0X10x8", 16},      {"16384x1", 16384},   {"16385x100", 0},    {"-5x-7", 0},
        {"0x0", 0},          {"800X600", 0},       {"800", 0},          {"800x", 0},
        {"800 x 600", 0},    {"800x600 ", 0},      {"8e2x600", 0},      {"$x5", 0},
        {"2147483648x1", 0}, {"1x-2147483649", 0}, {"$1FFFFFFFFx1", 0}, {"", 0}};
    for (const auto& [text, size] : rows) {
        RecordingFrontEnd window;
        window.settings.thumbSizeText = "160x120";
        window.settings.photoSizeText = text;
        window.settings.previewHeight = 190;
        AlbumState state;
        state.photoSize = 1;
        EXPECT_EQ(readSizeSettings(state, window.settings, window), size != 0) << text;
        EXPECT_EQ(state.photoSize, size ? size : 1) << text;
        EXPECT_EQ(state.thumbSize, 160);
        EXPECT_EQ(state.previewHeight, 190);
        const std::string warning = "message Chyba warning ok: Špatně vyplněné rozlišení!";
        EXPECT_EQ(window.calls, size ? Calls{} : Calls{warning});
    }
    EXPECT_EQ(parseSizeText("-2147483648x-2147483648"), -2147483648);
    EXPECT_EQ(parseSizeText("2147483647x1"), 2147483647);
}
