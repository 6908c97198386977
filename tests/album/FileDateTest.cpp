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
    EXPECT_EQ(date->year, 2005);
    EXPECT_EQ(date->month, 7);
    EXPECT_EQ(date->day, 14);
    EXPECT_EQ(date->second, 57);
    EXPECT_TRUE(convertExifDateText("2024:02:29 23:59:59"));
    EXPECT_TRUE(convertExifDateText("1979:12:31 23:59:58"));
    for (const char* text : {"0000:00:00 00:00:00", "2023:02:29 10:00:00", "2023:13:01 10:00:00",
                             "2023:04:31 10:00:00", "2023:01:01 24:00:00", "2023:01:01 10:60:00",
                             "2023:01:01", "2023:01:01 10:00", "", "    :  :     :  :  ",
                             "2023-01-01 10:00:00", "2023:01:01 10:00:00 x"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(convertExifDateText(text));
    }
}

TEST(FileDate, PacksInTwoSecondStepsWithinItsYears) {
    const FileDate packed = packFileDate({2005, 7, 14, 12, 34, 57});
    EXPECT_EQ(packed.date, (2005 - 1980) * 512 + 7 * 32 + 14);
    EXPECT_EQ(packed.time, 12 * 2048 + 34 * 32 + 28);
    EXPECT_EQ(unpackFileDate(packed).second, 56); // odd seconds go down
    EXPECT_FALSE(packFileDate({1979, 12, 31, 23, 59, 58}).valid());
    EXPECT_FALSE(packFileDate({2108, 1, 1, 0, 0, 0}).valid());
    EXPECT_TRUE(packFileDate({2107, 12, 31, 23, 59, 59}).valid());
    EXPECT_TRUE(packFileDate({1980, 1, 1, 0, 0, 0}).valid());
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
