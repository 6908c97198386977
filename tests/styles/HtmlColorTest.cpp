#include "styles/HtmlColor.h"

#include <gtest/gtest.h>

using namespace vistarel;

// Characters two to seven are three hexadecimal pairs, red first; the first is not looked at.
TEST(HtmlColor, ParsesAndWritesRedFirst) {
    const std::pair<const char*, std::optional<std::uint32_t>> rows[] = {
        {"#ff8000", 0x0080FF}, {"#FF8000xyz", 0x0080FF}, {"č0A0B0C", 0x0C0B0A},
        {"#aBcDeF", 0xEFCDAB}, {"#FF800", {}},           {"", {}},
        {"#GG0000", {}},       {"# FF000", {}},          {"#+1FF00", {}},
        {"#FFčFFFF", {}}};
    for (const auto& [text, colour] : rows)
        EXPECT_EQ(parseHtmlColor(text), colour) << text;
    EXPECT_EQ(ColorToHtml(0xFF0A0B0C), "#0C0B0A");
}
