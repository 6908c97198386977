#include "help/RtfReader.h"

#include "HtmlInspect.h"

#include <gtest/gtest.h>

using namespace vistarel;
using vistarel::testing::paragraphTagOf;
using vistarel::testing::spanStyleOf;
using vistarel::testing::visibleText;

namespace {

std::string text(const std::string& rtf) {
    return visibleText(rtfToHtml(rtf));
}

const std::string kCzechHeader = R"({\rtf1\ansi\ansicpg1250\deff0)"
                                 R"({\fonttbl{\f0\fswiss\fcharset238 Arial;})"
                                 R"({\f1\froman\fcharset0 Times New Roman;}})";

} // namespace

TEST(RtfReader, ParagraphsLinesAndTabs) {
    EXPECT_EQ(text(R"({\rtf1 one\par two\line three\tab four\par})"), "one\ntwo\nthree\tfour\n");
    // An empty paragraph keeps its line; a last paragraph without \par still shows.
    EXPECT_EQ(text(R"({\rtf1 a\par\par b})"), "a\n\xC2\xA0\nb\n");
    // Line ends in the source are no text; a backslash before one is a paragraph mark.
    EXPECT_EQ(text("{\\rtf1 a\r\nb\\\nc}"), "ab\nc\n");
}

TEST(RtfReader, CharacterFormattingFollowsGroupsAndResets) {
    const std::string html = rtfToHtml(R"({\rtf1 {\b Bold}{\i Ital}{\ul Under\ulnone Gone})"
                                       R"( \b On\b0 Off {\fs40 Big}\plain\i Xx\pard Yy})");
    const auto has = [&](const std::string& word, const std::string& style) {
        return spanStyleOf(html, word).find(style) != std::string::npos;
    };
    EXPECT_TRUE(has("Bold", "font-weight:700"));
    EXPECT_TRUE(has("Ital", "font-style:italic"));
    EXPECT_TRUE(has("Ital", "font-weight:400"));
    EXPECT_TRUE(has("Under", "text-decoration:underline"));
    EXPECT_TRUE(has("Gone", "text-decoration:none"));
    EXPECT_TRUE(has("On", "font-weight:700"));
    EXPECT_TRUE(has("Off", "font-weight:400"));
    EXPECT_TRUE(has("Big", "font-size:20pt"));
    // \plain resets the run, \pard only the paragraph: Yy stays italic at the default size.
    EXPECT_TRUE(has("Yy", "font-style:italic"));
    EXPECT_TRUE(has("Yy", "font-size:12pt"));
    EXPECT_EQ(visibleText(html), "BoldItalUnderGone OnOff BigXxYy\n");
}

TEST(RtfReader, FontsColoursAndSizesComeFromTheirTables) {
    const std::string html =
        rtfToHtml(kCzechHeader + R"({\colortbl ;\red255\green0\blue0;\red0\green128\blue255;})"
                                 R"(plain {\f1\fs21 serif} {\cf1 red} {\cf2 blue} {\cf0 auto}})");
    EXPECT_NE(spanStyleOf(html, "plain").find("font-family:'Arial'"), std::string::npos);
    const std::string serif = spanStyleOf(html, "serif");
    EXPECT_NE(serif.find("font-family:'Times New Roman'"), std::string::npos);
    EXPECT_NE(serif.find("font-size:10.5pt"), std::string::npos);
    EXPECT_NE(spanStyleOf(html, "red").find("color:#FF0000"), std::string::npos);
    EXPECT_NE(spanStyleOf(html, "blue").find("color:#0080FF"), std::string::npos);
    EXPECT_EQ(spanStyleOf(html, "auto").find("color:"), std::string::npos);
    EXPECT_EQ(visibleText(html), "plain serif red blue auto\n");
}

TEST(RtfReader, ParagraphAlignmentIndentAndSpacing) {
    const std::string html = rtfToHtml(
        R"({\rtf1\pard\qc\sb240\sa120 mid\par\pard\li720\fi-360 list\par\pard left\par})");
    EXPECT_NE(paragraphTagOf(html, "mid").find("align=\"center\""), std::string::npos);
    EXPECT_NE(paragraphTagOf(html, "mid").find("margin-top:16px"), std::string::npos);
    EXPECT_NE(paragraphTagOf(html, "mid").find("margin-bottom:8px"), std::string::npos);
    EXPECT_NE(paragraphTagOf(html, "list").find("margin-left:48px"), std::string::npos);
    EXPECT_NE(paragraphTagOf(html, "list").find("text-indent:-24px"), std::string::npos);
    EXPECT_NE(paragraphTagOf(html, "left").find("align=\"left\""), std::string::npos);
}

struct CharacterCase {
    const char* name;
    std::string rtf;
    std::string expected;
};

class RtfCharacters : public ::testing::TestWithParam<CharacterCase> {};

TEST_P(RtfCharacters, DecodeToUtf8) {
    EXPECT_EQ(text(GetParam().rtf), GetParam().expected + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Table, RtfCharacters,
    ::testing::Values(
        CharacterCase{"Cp1250Document", R"({\rtf1\ansi\ansicpg1250 \'8a\'e8\'f8\'9e\'f9})",
                      "Ščřžů"},
        CharacterCase{"Cp1250FromFontCharset", kCzechHeader + R"(\'e8\'ec\'9a})", "čěš"},
        CharacterCase{"Cp1252ByDefault", R"({\rtf1\ansi \'e8\'80\'9c\'ff})", "è€œÿ"},
        CharacterCase{"FontCharsetSwitchesCodePage",
                      R"({\rtf1\ansi{\fonttbl{\f0 A;}{\f1\fcharset238 B;}}\'e8{\f1\'e8}})", "èč"},
        CharacterCase{"UnicodeSkipsOneFallback", R"({\rtf1 \u345?\u269\'e8x})", "řčx"},
        CharacterCase{"UnicodeWithLongerFallback", R"({\rtf1\uc2 \u8364EUy})", "€y"},
        CharacterCase{"UnicodeWithoutFallback", R"({\rtf1\uc0 \u345 x})", "řx"},
        CharacterCase{"FallbackEndsWithTheGroup", R"({\rtf1\uc3 {\u345 a}bc})", "řbc"},
        CharacterCase{"NegativeUnicode", R"({\rtf1 \u-3\'3f})", "\xEF\xBF\xBD"},
        CharacterCase{"SurrogatePair", R"({\rtf1 \u-10179?\u-8704?})", "\xF0\x9F\x98\x80"},
        CharacterCase{"ControlSymbols", R"({\rtf1 \\ \{ \} a\~b co\-op x\_y})",
                      "\\ { } a\xC2\xA0"
                      "b coop x\xE2\x80\x91y"},
        CharacterCase{"NamedCharacters", R"({\rtf1 \bullet\emdash\endash\ldblquote\rdblquote})",
                      "•—–“”"},
        CharacterCase{"HtmlSpecialsAreEscaped", R"({\rtf1 a<b>&c "d"})", "a<b>&c \"d\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RtfReader, MarkupInTextNeverBecomesMarkup) {
    const std::string html = rtfToHtml(R"({\rtf1 <script>&amp;</script>})");
    EXPECT_EQ(html.find("<script>"), std::string::npos);
    EXPECT_NE(html.find("&lt;script&gt;&amp;amp;"), std::string::npos);
}

TEST(RtfReader, SkipsDestinationsThatAreNoText) {
    const std::string rtf = R"({\rtf1\ansi{\fonttbl{\f0\fnil{\*\panose 0203}Arial{\*\falt Helv};}})"
                            R"({\colortbl;\red1\green2\blue3;}{\stylesheet{\s1 Heading 1;}})"
                            R"({\info{\title Secret}{\author Someone}}{\*\generator Writer;})"
                            R"({\header head}{\footer foot}{\*\unknownthing hidden})"
                            R"({\pict\pngblip\picw10 89504e47}{\*\bkmkstart mark})"
                            R"({\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}})"
                            R"(\bin4 {}}x shown})";
    EXPECT_EQ(text(rtf), "link shown\n");
    EXPECT_NE(spanStyleOf(rtfToHtml(rtf), "shown").find("font-family:'Arial'"), std::string::npos);
}
