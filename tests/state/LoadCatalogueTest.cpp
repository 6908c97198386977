#include "state/LoadCatalogue.h"

#include "common/FileSystem.h"

#include "RecordingFrontEnd.h"
#include "TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace vistarel;
using vistarel::testing::RecordingFrontEnd;
using vistarel::testing::TempFolder;

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
    std::string output = dir.subfolder("out");

    LoadTest() {
        window.settings.inputFolder = input;
        window.settings.outputFolder = output;
    }
    LoadOutcome load() { return loadCatalogue(state, window.settings, window); }
    void addFiles(std::initializer_list<const char*> names) {
        for (const char* name : names)
            writeFileBytes(input + name, "x");
    }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& record : state.catalogue)
            out.push_back(record.fileName);
        return out;
    }
};

} // namespace

TEST_F(LoadTest, TakesJpgFilesInAnyCaseInTheOrderOfACzechFileManager) {
    // Czech letters after their base letter, Ch after H, numbers by value, accents second,
    // case third (lower first), and names the collation calls equal (the same "dům" written
    // precomposed and decomposed) by their bytes. Other extensions and folders are left out.
    const std::vector<std::string> expected = {
        "auto.jpg",  "čáp.jpg",  "Čáp.JPG",   "dum.jpg",   "du\xCC\x8Am.jpg",
        "dům.jpg",   "hrad.jpg", "chata.jpg", "ihned.jpg", "img9.jpg",
        "img10.Jpg", "sm_a.jpg", "Šnek.jpg",  "Zebra.jpg"};
    for (auto it = expected.rbegin(); it != expected.rend(); ++it)
        writeFileBytes(input + *it, "x");
    addFiles({"notes.txt", "c.jpeg"});
    std::filesystem::create_directory(input + "folder.jpg");

    const LoadOutcome loaded = load();
    EXPECT_EQ(loaded.ending, Ending::Done);
    EXPECT_EQ(loaded.photoCount, 14);
    EXPECT_EQ(names(), expected);
    EXPECT_EQ(window.calls,
              (std::vector<std::string>{"message Info information ok: Načteno 14 snímků"}));
    const auto& first = state.catalogue.front();
    EXPECT_TRUE(first.caption.empty());
    EXPECT_EQ(first.photoWidth + first.photoHeight + first.thumbWidth + first.thumbHeight, 0);
    EXPECT_TRUE(first.previewJpeg.empty());
}

TEST_F(LoadTest, OnePhotoStillSaysSnimku) {
    addFiles({"only.jpg"});
    load();
    EXPECT_EQ(window.messages().front(), "message Info information ok: Načteno 1 snímků");
}

TEST_F(LoadTest, AFolderWithoutPhotosEmptiesTheCatalogueAndStillEnablesTheBuild) {
    state.catalogue.resize(3);
    state.catalogue[0].previewJpeg = "x";
    EXPECT_EQ(load().ending, Ending::Done);
    EXPECT_TRUE(state.catalogue.empty());
    EXPECT_EQ(window.calls,
              (std::vector<std::string>{
                  "message Info information ok: Složka neobsahuje obrázky typu *.JPG!"}));
}

TEST_F(LoadTest, AMissingInputFolderChangesNothing) {
    state.catalogue.resize(2);
    for (const std::string& folder : {std::string(), dir.file("gone/")}) {
        window.calls.clear();
        window.settings.inputFolder = folder;
        EXPECT_EQ(load().ending, Ending::Refused);
        EXPECT_EQ(state.catalogue.size(), 2u);
        EXPECT_EQ(window.calls, (std::vector<std::string>{
                                    "message Chyba warning ok: Vstupní složka neexistuje!"}));
    }
}

TEST_F(LoadTest, EqualFoldersAreRefusedAndTheQuestionIsStillAsked) {
    addFiles({"a.jpg"});
    window.settings.outputFolder = input;
    state.captionsEdited = true;
    window.answers = {MessageAnswer::Yes};
    load();
    EXPECT_EQ(window.calls, (std::vector<std::string>{kSameFolders, kQuestion}));
    EXPECT_TRUE(state.catalogue.empty());
    EXPECT_TRUE(state.captionsEdited);
}

TEST_F(LoadTest, TwoTextsNamingTheSameFolderAreRefusedToo) {
    addFiles({"a.jpg"});
    std::filesystem::create_directory_symlink(input, dir.file("alias"));
    for (const std::string& same : {input + "/", dir.file("alias/"), dir.file("out/../in/")}) {
        SCOPED_TRACE(same);
        window.calls.clear();
        window.settings.outputFolder = same;
        load();
        EXPECT_EQ(window.calls, std::vector<std::string>{kSameFolders});
        EXPECT_TRUE(state.catalogue.empty());
    }
}

TEST_F(LoadTest, EditedCaptionsAskFirstAndNoKeepsThem) {
    addFiles({"a.jpg"});
    state.catalogue.resize(1);
    state.catalogue[0].caption = "kept";
    state.captionsEdited = true;
    load(); // no answer queued: No
    EXPECT_EQ(window.calls, std::vector<std::string>{kQuestion});
    EXPECT_EQ(state.catalogue[0].caption, "kept");

    window.calls.clear();
    window.answers = {MessageAnswer::Yes};
    load();
    EXPECT_EQ(window.calls.front(), kQuestion);
    EXPECT_EQ(names(), std::vector<std::string>{"a.jpg"});
    // Only writing the page clears the flag, so the next load asks again.
    EXPECT_TRUE(state.captionsEdited);
    window.calls.clear();
    load();
    EXPECT_EQ(window.calls, std::vector<std::string>{kQuestion});
}
