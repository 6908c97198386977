#include "ExpectedPage.h"
#include "RecordingFrontEnd.h"
#include "TempFolder.h"

#include "common/Error.h"
#include "common/FileSystem.h"
#include "page/AlbumPageWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vistarel;
using namespace vistarel::testing;

namespace {

PhotoRecord record(const std::string& name, int tw, int th, int pw, int ph,
                   const std::string& caption = "") {
    PhotoRecord r;
    r.fileName = name;
    r.thumbWidth = tw;
    r.thumbHeight = th;
    r.photoWidth = pw;
    r.photoHeight = ph;
    r.caption = caption;
    return r;
}

class AlbumPageWriterTest : public ::testing::Test {
protected:
    TempFolder folder;
    RecordingFrontEnd window;
    AlbumState state;

    void SetUp() override { window.settings.outputFolder = folder.path(); }
    std::string page() const { return readFileBytes(folder.file("index.html")); }
    std::string writePage() {
        AlbumPageWriter(state, window.settings).WriteAlbumPage();
        return page();
    }
};

TEST_F(AlbumPageWriterTest, EmptyCatalogueGivesTheWholeTemplate) {
    EXPECT_EQ(writePage(), expectedPage("Vistarel", {}));
}

TEST_F(AlbumPageWriterTest, OnePhotoGivesOneLineInWindows1250) {
    state.catalogue.push_back(record("IMG_0042.JPG", 100, 75, 800, 600, "Na horách"));
    EXPECT_EQ(writePage(),
              expectedPage("Vistarel",
                           {"      loadPic('IMG_0042.JPG' , 100 , 75 , 800 , 600 , 'Na hor\xE1"
                            "ch');"}));
}

TEST_F(AlbumPageWriterTest, SeveralPhotosInCatalogueOrderWithAnUnbuiltRecord) {
    state.catalogue.push_back(record("b.jpg", 75, 100, 600, 800));
    state.catalogue.push_back(record("A.JPG", 100, 75, 800, 600, "první"));
    state.catalogue.push_back(record("never built.jpg", 0, 0, 0, 0, "✓"));
    window.settings.albumName = "Dovolená";
    EXPECT_EQ(writePage(),
              expectedPage("Dovolen\xE1",
                           {"      loadPic('b.jpg' , 75 , 100 , 600 , 800 , '');",
                            "      loadPic('A.JPG' , 100 , 75 , 800 , 600 , 'prvn\xED');",
                            "      loadPic('never built.jpg' , 0 , 0 , 0 , 0 , '&#10003;');"}));
}

TEST_F(AlbumPageWriterTest, FileIsWindows1250WithCrLfAndNoByteOrderMark) {
    const std::string bytes = writePage();
    ASSERT_GE(bytes.size(), 9u);
    EXPECT_EQ(bytes.substr(0, 9), "<!DOCTYPE");
    EXPECT_EQ(bytes.substr(bytes.size() - 9), "</html>\r\n");
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n') {
            ASSERT_EQ(bytes[i - 1], '\r') << "bare LF at " << i;
        }
    EXPECT_NE(bytes.find("alt='zav\xF8\xEDt'"), std::string::npos);
}

TEST_F(AlbumPageWriterTest, SecondWriteReplacesTheFileWithIdenticalBytes) {
    writeFileBytes(folder.file("index.html"), std::string(100000, 'x'));
    state.catalogue.push_back(record("a.jpg", 100, 75, 800, 600, "c"));
    const std::string first = writePage();
    EXPECT_EQ(first.find('x' + std::string(10, 'x')), std::string::npos);
    EXPECT_EQ(writePage(), first);
}

TEST_F(AlbumPageWriterTest, AlbumNameGoesIntoTitleAndHeadingAsTyped) {
    const struct {
        std::string typed;
        std::string written;
    } cases[] = {
        {"", ""},
        {"Léto – Šumava €", "L\xE9to \x96 \x8Aumava \x80"},
        {"<i>Kurzíva</i> ✓", "<i>Kurz\xEDva</i> &#10003;"},
    };
    for (const auto& c : cases) {
        window.settings.albumName = c.typed;
        const auto rows = composeAlbumPage(c.typed, state.catalogue);
        EXPECT_EQ(rows[5], "    <title>" + c.written + "</title>");
        // Without photo lines the heading is the 142nd row.
        EXPECT_EQ(rows[141],
                  "    <span class=\"nadpis\"><center>" + c.written + "</center></span><br />");
        EXPECT_EQ(writePage(), expectedPage(c.written, {}));
    }
}

TEST_F(AlbumPageWriterTest, MissingOutputFolderDoesNothing) {
    for (const std::string& missing : {folder.path() + "nowhere/", std::string()}) {
        window.settings.outputFolder = missing;
        state.captionsEdited = true;
        AlbumPageWriter(state, window.settings).WriteAlbumPage();
        EXPECT_TRUE(state.captionsEdited);
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("nowhere")));
    EXPECT_FALSE(std::filesystem::exists("index.html"));
}

TEST_F(AlbumPageWriterTest, FileThatCannotBeCreatedThrowsTheProgramsText) {
    std::filesystem::create_directory(folder.file("index.html"));
    state.captionsEdited = true;
    try {
        AlbumPageWriter(state, window.settings).WriteAlbumPage();
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.text(),
                  "Cannot create file \"" + folder.file("index.html") + "\". Is a directory");
    }
    EXPECT_FALSE(state.captionsEdited);
}

} // namespace
