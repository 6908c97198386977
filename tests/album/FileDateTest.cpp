#include "album/FileDate.h"
#include "album/ExifPhotoData.h"

#include "ExifBytes.h"

#include <gtest/gtest.h>

using namespace vistarel;
using vistarel::testing::ByteOrder;
using vistarel::testing::utf16Bytes;

TEST(ExifDateText, ConvertsOnlyRealDaysAndTimes) {
    // The fields of real dates show in the stamps of the album build test.
    EXPECT_TRUE(convertExifDateText("2024:02:29 23:59:59"));
    EXPECT_FALSE(packFileDate(*convertExifDateText("1979:12:31 23:59:58")).valid()) << "no stamp";
    for (const char* text : {"0000:00:00 00:00:00", "2023:02:29 10:00:00", "2023:13:01 10:00:00",
                             "2023:04:31 10:00:00", "2023:01:01 24:00:00", "2023:01:01 10:60:00",
                             "2023:01:01", "2023:01:01 10:00", "",
                             "    :  :     :  :  ", "2023-01-01 10:00:00", "2023:01:01 10:00:00 x"})
        EXPECT_FALSE(convertExifDateText(text)) << text;
}

// UTF-8 and UTF-16 in Intel order come with the demo photos of the album build test.
TEST(UserCommentText, ShowsTheCharactersTheCameraWrote) {
    EXPECT_EQ(decodeUserComment("V\xFDlet \x9A", "", false), "Výlet š"); // windows-1250
    const std::string motorola = utf16Bytes(u"Kůň", ByteOrder::Motorola);
    EXPECT_EQ(decodeUserComment(motorola, "UNICODE", true), "Kůň");
    EXPECT_EQ(decodeUserComment("\xFE\xFF" + motorola, "UNICODE", false), "Kůň") << "mark wins";
    EXPECT_EQ(decodeUserComment(utf16Bytes(u"😀", ByteOrder::Intel), "UNICODE", false), "😀");
}
