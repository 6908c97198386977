#include "common/Cp1250.h"

#include <gtest/gtest.h>

using namespace vistarel;

TEST(Cp1250, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const auto utf8 = cp1250ToUtf8(all);
    EXPECT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(utf8ToCp1250(utf8, htmlReference), all);
}

TEST(Cp1250, CzechLettersAndTheUndefinedBytes) {
    EXPECT_EQ(cp1250ToUtf8("\xF8\xED\x8A\x9E"), "říŠž");
    EXPECT_EQ(utf8ToCp1250("zavřít", htmlReference), "zav\xF8\xEDt");
    for (unsigned char b : {0x81, 0x83, 0x88, 0x90, 0x98})
        EXPECT_EQ(cp1250ToCodePoint(b), static_cast<char32_t>(b));
    EXPECT_EQ(cp1250ToCodePoint(0x80), U'€');
}

TEST(Cp1250, UnmappableCharactersUseTheWriter) {
    EXPECT_EQ(utf8ToCp1250("a\xE2\x82\xAC"
                           "b",
                           htmlReference),
              "a\x80"
              "b"); // € is in the table
    EXPECT_EQ(utf8ToCp1250("日本", htmlReference), "&#26085;&#26412;");
    EXPECT_EQ(utf8ToCp1250("😀", cssEscape), "\\1F600 ");
    EXPECT_EQ(utf8ToCp1250("\xFF"
                           "x",
                           htmlReference),
              "\xFF"
              "x"); // not UTF-8: kept
}

TEST(Cp1250, RejectsMalformedUtf8) {
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));     // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")); // surrogate
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));     // truncated
    EXPECT_TRUE(isValidUtf8("Příliš žluťoučký kůň"));
}
