#include "help/RtfReader.h"

#include "common/Cp1250.h"

#include "HtmlInspect.h"

#include <gtest/gtest.h>

#include <random>

using namespace vistarel;
using vistarel::testing::visibleText;

namespace {

void expectWellFormed(const std::string& html) {
    EXPECT_TRUE(isValidUtf8(html));
    EXPECT_EQ(html.rfind("<html>", 0), 0u);
    EXPECT_TRUE(html.ends_with("</body></html>"));
}

} // namespace

TEST(RtfRobustness, MalformedDocumentsYieldWhatWasRead) {
    EXPECT_EQ(visibleText(rtfToHtml("")), "");
    EXPECT_EQ(visibleText(rtfToHtml("plain text, no header")), "plain text, no header\n");
    EXPECT_EQ(visibleText(rtfToHtml(R"({\rtf1 {\b open groups never closed)")),
              "open groups never closed\n");
    EXPECT_EQ(visibleText(rtfToHtml(R"({\rtf1 a}}}} b})")), "a b\n");
    EXPECT_EQ(visibleText(rtfToHtml(R"({\rtf1 end\)")), "end\n");
    EXPECT_EQ(visibleText(rtfToHtml(R"({\rtf1 x\'4)")), "x\n");
    EXPECT_EQ(visibleText(rtfToHtml(R"({\rtf1 x\'zzy})")), "xzzy\n");
    EXPECT_EQ(visibleText(rtfToHtml(R"({\rtf1 \bin999999999 lost})")), "");
    EXPECT_EQ(visibleText(rtfToHtml(R"({\rtf1 \fs99999999999999999999 \u99999999999?\cf-5 ok})")),
              "\xEF\xBF\xBDok\n");
}

TEST(RtfRobustness, DeepNestingIsBounded) {
    const std::string deep = std::string(200000, '{') + "\\b x" + std::string(200000, '}') + "y";
    const std::string html = rtfToHtml(deep);
    expectWellFormed(html);
    EXPECT_EQ(visibleText(html), "xy\n");
}

TEST(RtfRobustness, EveryPrefixOfADocumentIsRead) {
    const std::string doc =
        R"({\rtf1\ansi\ansicpg1250\deff0{\fonttbl{\f0\fcharset238 Arial;}}{\colortbl;\red9\green8\blue7;})"
        R"({\info{\title t}}\pard\qc\b\fs32 Nadpis \'e8\par\pard\cf1\u8226\'95\tab Polo\'9eka\line )"
        R"({\*\x y}\uc2\u10003 ab{\pict 00}\par})";
    for (std::size_t length = 0; length <= doc.size(); ++length)
        expectWellFormed(rtfToHtml(doc.substr(0, length)));
}

TEST(RtfRobustness, RandomBytesNeverBreakTheReader) {
    // Mostly rich-text syntax, so the random documents reach deep into the parser.
    static const std::string alphabet =
        "{}{}\\\\\\\\'*;  abuclfsprdqntxi0123456789-?\xE8\x80\xFF\r\n";
    std::mt19937 random(20240905);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> anyByte(0, 255);
    for (int round = 0; round < 3000; ++round) {
        std::string input = "{\\rtf1";
        const std::size_t length = 1 + random() % 200;
        for (std::size_t i = 0; i < length; ++i)
            input += round % 4 == 0 ? static_cast<char>(anyByte(random)) : alphabet[pick(random)];
        expectWellFormed(rtfToHtml(input));
    }
}
