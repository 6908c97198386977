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
}

struct Case {
    const char* text;
    const char* caption;  // as the caption comes out
    const char* fileName; // as the file name comes out
};

const Case kCases[] = {
    {"plain Czech žluťoučký \"quoted\" <br> & more", "plain Czech žluťoučký \"quoted\" <br> & more",
     "plain Czech žluťoučký \"quoted\" <br> & more"},
    {"C:\\fotky\\", "C:\\\\fotky\\\\", "C:\\\\fotky\\\\"},
    {"it's Jan's", "it&#39;s Jan&#39;s", "it&#39;s Jan&#39;s"},
    {"a </script> b <</b>", "a <\\/script> b <<\\/b>", "a <\\/script> b <<\\/b>"},
    {"one\r\ntwo\rthree\nfour\n\r", "one<br>two<br>three<br>four<br><br>",
     "one%0D%0Atwo%0Dthree%0Afour%0A%0D"},
    {"100% #1?x=y", "100% #1?x=y", "100%25 %231%3Fx=y"},
    {"\\'", "\\\\&#39;", "\\\\&#39;"},
};

TEST(PhotoLine, EscapingRules) {
    for (const auto& c : kCases) {
        EXPECT_EQ(escapeCaption(c.text), c.caption) << c.text;
        EXPECT_EQ(escapeFileName(c.text), c.fileName) << c.text;
    }
}

} // namespace
