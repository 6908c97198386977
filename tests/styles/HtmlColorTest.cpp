#include "styles/HtmlColor.h"

#include "RecordingFrontEnd.h"

#include <gtest/gtest.h>

namespace vistarel {
namespace {

TEST(HtmlColor, WritesRedGreenBlueInUpperCase) {
    EXPECT_EQ(ColorToHtml(255 + 128 * 256), "#FF8000");
    EXPECT_EQ(ColorToHtml(0), "#000000");
    EXPECT_EQ(ColorToHtml(0xFFFFFF), "#FFFFFF");
    EXPECT_EQ(ColorToHtml(0x0A0B0C), "#0C0B0A");
    EXPECT_EQ(ColorToHtml(0xFF123456), "#563412"); // bits above 23 do not show
}

TEST(HtmlColor, ParsesValidAndRefusesInvalidTexts) {
    struct Case {
        const char* text;
        std::optional<std::uint32_t> colour;
    };
    const Case cases[] = {
        {"#ff8000", 33023},         {"#FF8000", 33023},
        {"#FF8000xyz", 33023}, // characters after the seventh are ignored
        {"X0A0B0C", 0x0C0B0A}, // the first character is not looked at
        {"č0A0B0C", 0x0C0B0A}, // nor is a first character of several bytes
        {"#aBcDeF", 0xEFCDAB},      {"#FF800", std::nullopt}, // six characters
        {"", std::nullopt},         {"#GG0000", std::nullopt},
        {"# FF000", std::nullopt},  {"#+1FF00", std::nullopt},
        {"#FF80 0", std::nullopt},  {"1px solid #000000", std::nullopt},
        {"#FFčFFFF", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseHtmlColor(c.text), c.colour) << c.text;
}

TEST(HtmlColor, InvalidTextWarnsAndBecomesBlack) {
    testing::RecordingFrontEnd window;
    std::string valid = "#ff8000zz";
    EXPECT_EQ(HtmlToColor(valid, window), 33023u);
    EXPECT_EQ(valid, "#ff8000zz");
    EXPECT_TRUE(window.calls.empty());

    std::string invalid = "#FF800";
    EXPECT_EQ(HtmlToColor(invalid, window), 0u);
    EXPECT_EQ(invalid, "#000000");
    EXPECT_EQ(window.calls,
              std::vector<std::string>{"message Chyba warning ok: Neplatný tvar barvy!"});
}

} // namespace
} // namespace vistarel
