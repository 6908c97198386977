#include "page/PhotoLine.h"

#include <gtest/gtest.h>

using namespace vistarel;

TEST(PhotoLine, PiecesInLoaderOrderAndTheCaptionEscapedByWhereItCameFrom) {
    PhotoRecord r{"IMG 1.JPG", "<b>Na horách</b>", 800, 600, 100, 75, {}};
    EXPECT_EQ(photoLine(r),
              "      loadPic('IMG 1.JPG' , 100 , 75 , 800 , 600 , '<b>Na horách<\\/b>');");
    r.captionFromExif = true;
    EXPECT_EQ(photoLine(r), "      loadPic('IMG 1.JPG' , 100 , 75 , 800 , 600 , "
                            "'&lt;b&gt;Na horách&lt;/b&gt;');");
}

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
        {"a&amp; \t\x1B\x7F", "a&amp; \t\x1B\x7F", "a&amp;amp; \t\x1B\x7F", "a%26amp; %09%1B%7F"}};
    for (const Row& row : rows) {
        EXPECT_EQ(escapeCaption(row.text), row.caption) << row.text;
        EXPECT_EQ(escapeExifCaption(row.text), row.exifCaption) << row.text;
        EXPECT_EQ(escapeFileName(row.text), row.fileName) << row.text;
    }
}
