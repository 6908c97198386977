#include "album/FileDate.h"

#include <gtest/gtest.h>

using namespace vistarel;

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
