#include "TempFolder.h"

#include "common/FileSystem.h"
#include "page/AlbumPageWriter.h"

#include <gtest/gtest.h>

using namespace vistarel;

namespace {

PhotoRecord record(const std::string& name, int tw, int th, int pw, int ph,
                   const std::string& caption) {
    return PhotoRecord{name, caption, pw, ph, tw, th, {}};
}

} // namespace

// The page is windows-1250 with CR LF and no byte-order mark. The album name goes into the
// title and the heading as typed; the photo lines, in catalogue order, go between the
// loader function and the layout code (the browser tests run that code).
TEST(AlbumPageWriter, PutsNameAndPhotoLinesIntoTheTemplateInWindows1250) {
    vistarel::testing::TempFolder folder;
    writeFileBytes(folder.file("index.html"), std::string(100000, 'x')); // replaced whole
    AlbumSettings settings;
    settings.outputFolder = folder.path();
    settings.albumName = "<i>Léto</i> – Šumava €✓";
    AlbumState state;
    state.captionsEdited = true;
    state.catalogue = {record("b.jpg", 75, 100, 600, 800, ""),
                       record("A.JPG", 100, 75, 800, 600, "první"),
                       record("never built.jpg", 0, 0, 0, 0, "✓")};
    AlbumPageWriter(state, settings).WriteAlbumPage();
    const std::string page = readFileBytes(folder.file("index.html"));
    const std::string name = "<i>L\xE9to</i> \x96 \x8Aumava \x80&#10003;";
    const std::string pieces[] = {
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html>\r\n",
        "content=\"text/html; charset=windows-1250\">\r\n    <link href=\"color.css\"",
        "    <title>" + name + "</title>\r\n",
        "photo_list[photo_list.length++] = pic;\r\n      }\r\n\r\n"
        "      loadPic('b.jpg' , 75 , 100 , 600 , 800 , '');\r\n"
        "      loadPic('A.JPG' , 100 , 75 , 800 , 600 , 'prvn\xED');\r\n"
        "      loadPic('never built.jpg' , 0 , 0 , 0 , 0 , '&#10003;');\r\n"
        "\r\n      function winH()\r\n",
        "alt='zav\xF8\xEDt'",
        "    <span class=\"nadpis\"><center>" + name + "</center></span><br />\r\n"};
    std::size_t at = 0;
    for (const std::string& piece : pieces) {
        at = page.find(piece, at);
        ASSERT_NE(at, std::string::npos) << piece;
    }
    EXPECT_TRUE(page.ends_with("</html>\r\n"));
    for (std::size_t i = page.find('\n'); i != std::string::npos; i = page.find('\n', i + 1))
        ASSERT_EQ(page[i - 1], '\r') << "bare LF at " << i;
    EXPECT_FALSE(state.captionsEdited);
}
