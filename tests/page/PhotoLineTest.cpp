#include "page/PhotoLine.h"

#include <gtest/gtest.h>

using namespace vistarel;

namespace {

TEST(PhotoLine, PiecesInLoaderOrder) {
    PhotoRecord r;
    r.fileName = "IMG_0042.JPG";
    r.thumbWidth = 100;
    r.thumbHeight = 75;
    r.photoWidth = 800;
    r.photoHeight = 600;
    r.caption = "Na horách";
    EXPECT_EQ(photoLine(r), "      loadPic('IMG_0042.JPG' , 100 , 75 , 800 , 600 , 'Na horách');");
    r.caption.clear();
    r.thumbWidth = -1;
    EXPECT_EQ(photoLine(r), "      loadPic('IMG_0042.JPG' , -1 , 75 , 800 , 600 , '');");
    r.caption = "<b>";
    r.captionFromExif = true;
    EXPECT_EQ(photoLine(r), "      loadPic('IMG_0042.JPG' , -1 , 75 , 800 , 600 , '&lt;b&gt;');");
}

struct Case {
    const char* text;
    const char* caption;     // as a typed caption comes out
    const char* exifCaption; // as a caption read from EXIF comes out
    const char* fileName;    // as the file name comes out
};

const Case kCases[] = {
    {"plain Czech žluťoučký \"quoted\" <br> & more", "plain Czech žluťoučký \"quoted\" <br> & more",
     "plain Czech žluťoučký \"quoted\" &lt;br&gt; &amp; more",
     "plain Czech žluťoučký \"quoted\" <br> %26 more"},
    {"C:\\fotky\\", "C:\\\\fotky\\\\", "C:\\\\fotky\\\\", "C:%5Cfotky%5C"},
    {"it's Jan's", "it&#39;s Jan&#39;s", "it&#39;s Jan&#39;s", "it&#39;s Jan&#39;s"},
    {"a </script> b <</b>", "a <\\/script> b <<\\/b>", "a &lt;/script&gt; b &lt;&lt;/b&gt;",
     "a <\\/script> b <<\\/b>"},
    {"one\r\ntwo\rthree\nfour\n\r", "one<br>two<br>three<br>four<br><br>",
     "one<br>two<br>three<br>four<br><br>", "one%0D%0Atwo%0Dthree%0Afour%0A%0D"},
    {"100% #1?x=y", "100% #1?x=y", "100% #1?x=y", "100%25 %231%3Fx=y"},
    {"\\'", "\\\\&#39;", "\\\\&#39;", "%5C&#39;"},
    {"a&amp;b a&copy \t\x1B\x7F", "a&amp;b a&copy \t\x1B\x7F", "a&amp;amp;b a&amp;copy \t\x1B\x7F",
     "a%26amp;b a%26copy %09%1B%7F"},
};

TEST(PhotoLine, EscapingRules) {
    for (const auto& c : kCases) {
        EXPECT_EQ(escapeCaption(c.text), c.caption) << c.text;
        EXPECT_EQ(escapeExifCaption(c.text), c.exifCaption) << c.text;
        EXPECT_EQ(escapeFileName(c.text), c.fileName) << c.text;
    }
}

} // namespace
