#include "RecordingFrontEnd.h"
#include "TempFolder.h"
#include "common/Cp1250.h"
#include "common/FileSystem.h"
#include "page/AlbumPageReader.h"
#include "page/AlbumPageTemplate.h"
#include "page/AlbumPageWriter.h"
#include "page/CodeOnlyCommand.h"
#include "page/KeptCaptions.h"
#include "page/PhotoLine.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>

using namespace vistarel;
using namespace vistarel::testing;
using Calls = std::vector<std::string>;

namespace {

const std::string kNotice = "message Info information ok: Změnili jste rozlišení!\r\n"
                            "Změna se neprojeví, dokud nedáte znovu vytvořit album!";

// An output folder and a program folder whose css/ holds the style "novy.css".
class CodeOnlyCommandTest : public ::testing::Test {
protected:
    TempFolder program;
    TempFolder output;
    RecordingFrontEnd window;
    AlbumState state;

    void SetUp() override {
        setProgramFolder(program.path());
        writeFileBytes(program.subfolder("css") + "novy.css", "body {}\r\n");
        window.settings.outputFolder = output.path();
        window.settings.styleName = "novy.css";
        state.captionsEdited = true;
    }
    void TearDown() override { setProgramFolder(""); }

    bool exists(const std::string& name) const { return fileExists(output.file(name)); }
    std::string read(const std::string& name) const { return readFileBytes(output.file(name)); }
    PageOutcome run() {
        window.calls.clear();
        return runCodeOnlyCommand(state, window.settings, window);
    }
};

// The page, windows-1250 with CR LF, from the catalogue as it stands: the name as typed, the
// photo lines in order, each caption escaped by where it came from.
TEST_F(CodeOnlyCommandTest, WritesPageAndStyleFromTheCatalogueAsItStands) {
    writeFileBytes(output.file("index.html"), std::string(100000, 'x')); // replaced whole
    window.settings.albumName = "<i>Léto</i> – Šumava €✓";
    const auto user = CaptionOrigin::User;
    state.catalogue = {PhotoRecord{"b.jpg", "", 600, 800, 75, 100, {}, user},
                       PhotoRecord{"A.JPG", "<b>první</b>", 800, 600, 100, 75, {}, user},
                       PhotoRecord{"never built.jpg", "✓<b>", 0, 0, 0, 0, {}}};
    const PageOutcome outcome = run();
    EXPECT_EQ(outcome.ending, Ending::Done);
    EXPECT_TRUE(outcome.pageReached);
    EXPECT_TRUE(window.calls.empty());
    EXPECT_FALSE(state.captionsEdited);
    EXPECT_EQ(state.photoSize, 800); // the size texts are read again
    EXPECT_EQ(read("color.css"), "body {}\r\n");
    const std::string page = read("index.html");
    const std::string name = "<i>L\xE9to</i> \x96 \x8Aumava \x80&#10003;";
    const std::string pieces[] = {
        "content=\"text/html; charset=windows-1250\">\r\n    <link href=\"color.css\"",
        "    <title>" + name + "</title>\r\n",
        "photo_list[photo_list.length++] = pic;\r\n      }\r\n\r\n"
        "      loadPic('b.jpg' , 75 , 100 , 600 , 800 , '');\r\n"
        "      loadPic('A.JPG' , 100 , 75 , 800 , 600 , '<b>prvn\xED<\\/b>');\r\n"
        "      loadPic('never built.jpg' , 0 , 0 , 0 , 0 , '&#10003;&lt;b&gt;');\r\n"
        "\r\n      function winH()\r\n",
        "    <span class=\"nadpis\"><center>" + name + "</center></span><br />\r\n"};
    std::size_t at = 0;
    for (const std::string& piece : pieces) {
        at = page.find(piece, at);
        ASSERT_NE(at, std::string::npos) << piece;
    }
    EXPECT_TRUE(page.ends_with("</html>\r\n"));
    for (std::size_t i = page.find('\n'); i != std::string::npos; i = page.find('\n', i + 1))
        ASSERT_EQ(page[i - 1], '\r') << "bare LF at " << i;
}

// Sizes changed since the build: every run says so; a bad size text then stops it.
TEST_F(CodeOnlyCommandTest, ChangedSizesShowTheNoticeAndTheSizeTextsGateThePage) {
    state.resolutionChanged = true;
    window.settings.thumbSizeText = "";
    run();
    EXPECT_EQ(window.calls,
              (Calls{kNotice, "message Chyba warning ok: Špatně vyplněné rozlišení!"}));
    EXPECT_FALSE(exists("index.html") || exists("color.css"));
    EXPECT_TRUE(state.captionsEdited);
    window.settings.thumbSizeText = "100x75";
    run();
    EXPECT_EQ(window.calls, Calls{kNotice});
    EXPECT_TRUE(state.resolutionChanged);
}

TEST_F(CodeOnlyCommandTest, MissingOutputFolderOrStyleWritesNothingAndSaysNothing) {
    for (const std::string& missing : {output.path() + "gone/", std::string()}) {
        window.settings.outputFolder = missing;
        EXPECT_FALSE(run().pageReached);
        EXPECT_TRUE(window.calls.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(output.file("gone")) ||
                 std::filesystem::exists("color.css")); // not beside the test either
    window.settings.outputFolder = output.path();
    for (const char* style : {"", "deleted.css"}) {
        writeFileBytes(output.file("color.css"), "older");
        window.settings.styleName = style;
        EXPECT_EQ(run().ending, Ending::Done);
        EXPECT_EQ(read("color.css"), "older");
    }
}

// The page comes first: when it fails the style is not copied.
TEST_F(CodeOnlyCommandTest, AFileThatCannotBeCreatedIsAnError) {
    for (const char* blocked : {"index.html", "color.css"}) {
        std::filesystem::remove(output.file("index.html"));
        std::filesystem::create_directory(output.file(blocked));
        const PageOutcome outcome = run();
        const std::string text =
            "Cannot create file \"" + output.file(blocked) + "\". Is a directory";
        EXPECT_EQ(outcome.ending, Ending::Failed);
        EXPECT_EQ(outcome.error, text);
        EXPECT_TRUE(outcome.pageReached);
        EXPECT_EQ(window.calls, Calls{"message Vistarel error ok: " + text + "."});
        EXPECT_FALSE(fileExists(output.file("color.css")));
    }
}

} // namespace

// Each text ends in an apostrophe-delimited script string and from there in an attribute.
TEST(PhotoLine, EscapingRules) {
    struct Row {
        const char* text;
        const char* caption;     // as a typed caption comes out
        const char* exifCaption; // as a caption read from EXIF comes out
        const char* fileName;    // as the file name comes out
    };
    const Row rows[] = {
        {"žluť \"q\" <br> & x", "žluť \"q\" <br> & x", "žluť \"q\" &lt;br&gt; &amp; x",
         "žluť \"q\" <br> %26 x"},
        {"C:\\f\\", "C:\\\\f\\\\", "C:\\\\f\\\\", "C:%5Cf%5C"},
        {"it's", "it&#39;s", "it&#39;s", "it&#39;s"},
        {"a </script> <</b>", "a <\\/script> <<\\/b>", "a &lt;/script&gt; &lt;&lt;/b&gt;",
         "a <\\/script> <<\\/b>"},
        {"1\r\n2\r3\n4\n\r", "1<br>2<br>3<br>4<br><br>", "1<br>2<br>3<br>4<br><br>",
         "1%0D%0A2%0D3%0A4%0A%0D"},
        {"100% #1?x=y", "100% #1?x=y", "100% #1?x=y", "100%25 %231%3Fx=y"},
        {"\\'", "\\\\&#39;", "\\\\&#39;", "%5C&#39;"},
        {"a&amp; \t\x1B\x7F", "a&amp; \t\x1B\x7F", "a&amp;amp; \t\x1B\x7F", "a%26amp; %09%1B%7F"},
        {"<!--<Script>ř\xFF", "\\x3C!--\\x3CScript>ř\xFF", "&lt;!--&lt;Script&gt;ř\xFF",
         "\\x3C!--\\x3CScript>ř%FF"}};
    for (const Row& row : rows) {
        EXPECT_EQ(escapeCaption(row.text), row.caption) << row.text;
        EXPECT_EQ(escapeExifCaption(row.text), row.exifCaption) << row.text;
        EXPECT_EQ(escapeFileName(row.text), row.fileName) << row.text;
    }
}

namespace {

PhotoRecord photo(const std::string& name, const std::string& caption = "",
                  CaptionOrigin origin = CaptionOrigin::Photo) {
    PhotoRecord record;
    record.fileName = name;
    record.caption = caption;
    record.captionOrigin = origin;
    return record;
}

// Captions a user or a photo may bring: the page's own escapes, markup, references, line
// breaks of every kind, bytes that are no UTF-8 and the five windows-1250 leaves undefined.
std::string randomCaption(std::mt19937& random) {
    static const std::vector<std::string> pieces = {"\\",      "'",          "<",
                                                    "/",       "</",         "<!--",
                                                    "<SCRIPT", "script>",    "<br>",
                                                    "&#39;",   "&#10003;",   "&#8364;",
                                                    "&#039;",  "&amp;",      "\\x3C",
                                                    "\r",      "\n",         "\r\n",
                                                    "€",       "✓",          "ž",
                                                    " ",       "x",          "\x81",
                                                    "\xFF",    "\xC3",       "\xE2\x80\xA8",
                                                    "%",       "&#1114112;", "&#55296;",
                                                    "\t"};
    std::string caption;
    for (int n = random() % 12; n > 0; --n)
        caption += random() % 5 == 0 ? std::string(1, static_cast<char>(random()))
                                     : pieces[random() % pieces.size()];
    return caption;
}

} // namespace

// Whatever a caption holds, reading its line back and writing it as the user's gives the same
// line; the name field is what the writer makes of the name.
TEST(PageReader, AWrittenLineReadBackWritesTheSameLine) {
    EXPECT_FALSE(parsePhotoLine("      loadPic(');")); // its start and end overlap
    std::mt19937 random(7);
    for (int round = 0; round < 600; ++round) {
        PhotoRecord photo{randomCaption(random) + ".jpg",
                          randomCaption(random),
                          -1,
                          2,
                          300,
                          4,
                          {},
                          round % 2 ? CaptionOrigin::Photo : CaptionOrigin::User};
        const std::string line = utf8ToCp1250(photoLine(photo), htmlReference);
        const auto read = parsePhotoLine(line);
        ASSERT_TRUE(read) << line;
        EXPECT_EQ(read->fileNameField, fileNameField(photo.fileName));
        EXPECT_EQ(
            std::tie(read->thumbWidth, read->thumbHeight, read->photoWidth, read->photoHeight),
            std::tie(photo.thumbWidth, photo.thumbHeight, photo.photoWidth, photo.photoHeight));
        PhotoRecord again = photo;
        again.caption = captionFromField(read->captionField);
        again.captionOrigin = CaptionOrigin::User;
        ASSERT_EQ(utf8ToCp1250(photoLine(again), htmlReference), line) << photo.caption;
    }
}

// Only a whole page of ours is read; a row among the photo lines that is no photo line is
// left out.
TEST(PageReader, ReadsOnlyWholePagesOfOurs) {
    TempFolder folder;
    const std::vector<std::string> rows =
        composeAlbumPage("Léto\x01", {photo("a.jpg", "x"), photo("b.jpg", "y")});
    const auto edited = [&](std::size_t at, const std::string& row, int erase) {
        auto page = rows;
        page.insert(page.erase(page.begin() + at, page.begin() + at + erase), row);
        std::string text; // as an editor that writes bare line feeds leaves it
        for (const std::string& line : page)
            text += line + "\n";
        writeFileBytes(folder.file("index.html"), text);
        const auto lines = readAlbumPage(folder.file("index.html"));
        return lines ? static_cast<int>(lines->size()) : -1;
    };
    EXPECT_EQ(edited(0, rows[0], 1), 2);
    EXPECT_EQ(edited(firstPhotoRow(), rows[firstPhotoRow()] + " ", 1), 1);
    for (const auto& [at, row, erase] : {std::tuple{40, "// mine", 0},
                                         {5, "<title>Léto</title>", 1},
                                         {rows.size() - 1, "", 1},
                                         {1, "<html>", 0}})
        EXPECT_EQ(edited(at, row, erase), -1) << row;
}

// A build cut short between the record and the page leaves either page, and both tell the
// photo's own caption from the user's.
TEST(PageReader, EitherPageOfAnUnfinishedWriteKeepsItsOrigins) {
    TempFolder album;
    PhotoCatalogue before = {photo("a.jpg", "A"), photo("b.jpg", "typed", CaptionOrigin::User)};
    PhotoCatalogue after = before;
    after[0].caption = "A2"; // its own caption changed
    AlbumRecord oldRecord, newRecord;
    recordPageCaptions(oldRecord, before);
    recordPageCaptions(newRecord, after);
    recordWhilePageIsReplaced(oldRecord, newRecord).save(album.path());
    for (const PhotoCatalogue& page : {before, after}) {
        writeTextLines(album.file("index.html"), composeAlbumPage("", page));
        PhotoCatalogue loaded = {photo("a.jpg"), photo("b.jpg"), photo("c.jpg")};
        takeCaptionsFromPage(loaded, album.path());
        EXPECT_EQ(loaded[0].caption, page[0].caption);
        EXPECT_EQ(loaded[0].captionOrigin, CaptionOrigin::Photo);
        EXPECT_EQ(loaded[1].captionOrigin, CaptionOrigin::User);
        EXPECT_EQ(loaded[2].captionOrigin, CaptionOrigin::Photo); // not on the page
    }
}
