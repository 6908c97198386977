#include "album/FileDate.h"
#include "album/ExifPhotoData.h"

#include "ExifBytes.h"

#include <gtest/gtest.h>

using namespace vistarel;
using vistarel::testing::ByteOrder;
using vistarel::testing::utf16Bytes;

TEST(ExifDateText, ConvertsOnlyRealDaysAndTimes) {
    const auto date = convertExifDateText("2005:07:14 12:34:57");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->year * 10000 + date->month * 100 + date->day, 20050714);
    EXPECT_EQ(date->hour * 10000 + date->minute * 100 + date->second, 123457);
    EXPECT_TRUE(convertExifDateText("2024:02:29 23:59:59"));
    EXPECT_FALSE(packFileDate(*convertExifDateText("1979:12:31 23:59:58")).valid()) << "no stamp";
    for (const char* text : {"0000:00:00 00:00:00", "2023:02:29 10:00:00", "2023:13:01 10:00:00",
                             "2023:04:31 10:00:00", "2023:01:01 24:00:00", "2023:01:01 10:60:00",
                             "2023:01:01", "2023:01:01 10:00", "",
                             "    :  :     :  :  ", "2023-01-01 10:00:00", "2023:01:01 10:00:00 x"})
        EXPECT_FALSE(convertExifDateText(text)) << text;
}

TEST(UserCommentText, ShowsTheCharactersTheCameraWrote) {
    EXPECT_EQ(decodeUserComment("Výlet", "ASCII", false), "Výlet");
    EXPECT_EQ(decodeUserComment("V\xFDlet \x9A", "", false), "Výlet š"); // windows-1250
    EXPECT_EQ(decodeUserComment(utf16Bytes(u"Kůň", ByteOrder::Intel), "UNICODE", false), "Kůň");
    EXPECT_EQ(decodeUserComment(utf16Bytes(u"Kůň", ByteOrder::Motorola), "UNICODE", true), "Kůň");
    // A byte-order mark wins over the block's order.
    EXPECT_EQ(
        decodeUserComment("\xFE\xFF" + utf16Bytes(u"Ahoj", ByteOrder::Motorola), "UNICODE", false),
        "Ahoj");
    EXPECT_EQ(decodeUserComment(utf16Bytes(u"😀", ByteOrder::Intel), "UNICODE", false), "😀");
}
