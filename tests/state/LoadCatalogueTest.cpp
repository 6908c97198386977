#include "state/LoadCatalogue.h"

#include "common/FileSystem.h"

#include "RecordingFrontEnd.h"
#include "TempFolder.h"

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
    // Czech letters after their base letter, Ch after H, numbers by value, accents second,
    // case third, and names the collation calls equal (precomposed and decomposed) by bytes.
    const Calls expected = {"auto.jpg", "čáp.jpg",  "Čáp.JPG",   "dum.jpg",  "du\xCC\x8Am.jpg",
                            "dům.jpg",  "hrad.jpg", "chata.jpg", "img9.jpg", "img10.Jpg",
                            "sm_a.jpg", "Šnek.jpg", "Zebra.jpg"};
    for (auto it = expected.rbegin(); it != expected.rend(); ++it)
        writeFileBytes(input + *it, "x");
    writeFileBytes(input + "c.jpeg", "x");
    EXPECT_EQ(load().photoCount, 13);
    EXPECT_EQ(window.calls, Calls{"message Info information ok: Načteno 13 snímků"});
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
    } rows[] = {{"", "x/", missing},
                {dir.file("gone/"), "x/", missing},
                {input, input + "/", kSameFolders},
                {input, dir.file("alias/"), kSameFolders},
                {input, dir.file("out/../in/"), kSameFolders},
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
