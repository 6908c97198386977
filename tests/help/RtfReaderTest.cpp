#include "help/RtfReader.h"

#include "common/Cp1250.h"
#include "common/FileSystem.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <regex>

using namespace vistarel;

namespace {

const std::string kCzechHeader = R"({\rtf1\ansi\ansicpg1250\deff0)"
                                 R"({\fonttbl{\f0\fswiss\fcharset238 Arial;})"
                                 R"({\f1\froman\fcharset0 Times New Roman;}})";

// What a reader sees: tags dropped, entities decoded, line breaks and paragraph ends as '\n'.
std::string visible(const std::string& html) {
    std::string text =
        std::regex_replace(html.substr(html.find("<body>") + 6), std::regex("<br />|</p>"), "\n");
    text = std::regex_replace(text, std::regex("<[^>]*>"), "");
    for (const auto& [entity, shown] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}})
        text = std::regex_replace(text, std::regex(entity), shown);
    return std::regex_replace(text, std::regex("&amp;"), "&"); // last: "&amp;lt;" is "&lt;"
}

// The opening tag (span or paragraph) that holds the first occurrence of text.
std::string tagHolding(const std::string& html, const std::string& text, const char* tag) {
    const auto start = html.rfind(tag, html.find(text));
    return start == std::string::npos ? "" : html.substr(start, html.find('>', start) - start);
}

} // namespace

TEST(RtfReader, TextCharactersAndWhatIsNoText) {
    const std::pair<std::string, std::string> rows[] = {
        {R"({\rtf1 one\par two\line three\tab four\par})", "one\ntwo\nthree\tfour\n"},
        {R"({\rtf1 a\par\par b})", "a\n\xC2\xA0\nb\n"}, // an empty paragraph keeps its line
        {"{\\rtf1 a\r\nb\\\nc}", "ab\nc\n"},            // "\" + line end: a paragraph
        {R"({\rtf1\ansi\ansicpg1250 \'8a\'e8\'f8\'9e\'f9})", "Ščřžů\n"},
        {R"({\rtf1\ansi \'e8\'80\'9c\'ff})", "è€œÿ\n"},
        {R"({\rtf1\ansi{\fonttbl{\f0 A;}{\f1\fcharset238 B;}}\'e8{\f1\'e8}})", "èč\n"},
        {R"({\rtf1 \u345?\u269\'e8x})", "řčx\n"},
        {R"({\rtf1\uc2 \u8364EUy})", "€y\n"},
        {R"({\rtf1\uc3 {\u345 a}bc})", "řbc\n"},
        {R"({\rtf1 \u-3\'3f})", "\uFFFD\n"},
        {R"({\rtf1 \u-10179?\u-8704?})", "😀\n"},
        {R"({\rtf1 \\ \{ \} a\~b co\-op x\_y})", "\\ { } a\u00A0b coop x\u2011y\n"},
        {R"({\rtf1 \bullet\emdash\endash\ldblquote\rdblquote})", "•—–“”\n"},
        {R"({\rtf1 <script>&amp; "d"</script>})", "<script>&amp; \"d\"</script>\n"},
        {R"({\rtf1\ansi{\fonttbl{\f0\fnil{\*\panose 0203}Arial{\*\falt Helv};}})"
         R"({\colortbl;\red1\green2\blue3;}{\stylesheet{\s1 Heading 1;}})"
         R"({\info{\title Secret}{\author Someone}}{\*\generator Writer;})"
         R"({\header head}{\footer foot}{\*\unknownthing hidden})"
         R"({\pict\pngblip\picw10 89504e47}{\*\bkmkstart mark})"
         R"({\field{\*\fldinst HYPERLINK "x"}{\fldrslt link}}\bin4 {}}x shown})",
         "link shown\n"},
        // Malformed documents give what was read up to the fault.
        {"", ""},
        {"plain text, no header", "plain text, no header\n"},
        {R"({\rtf1 {\b open groups never closed)", "open groups never closed\n"},
        {R"({\rtf1 a}}}} b})", "a b\n"},
        {R"({\rtf1 end\)", "end\n"},
        {R"({\rtf1 x\'4)", "x\n"},
        {R"({\rtf1 x\'zzy})", "xzzy\n"},
        {R"({\rtf1 \bin999999999 lost})", ""},
        {R"({\rtf1 \fs99999999999999999999 \u99999999999?\cf-5 ok})", "\uFFFDok\n"}};
    for (const auto& [rtf, text] : rows)
        EXPECT_EQ(visible(rtfToHtml(rtf)), text) << rtf;
}

// Formats end with their group, with \b0 or \ulnone, and with \plain, but not with \pard;
// fonts, sizes and colours come from their tables.
TEST(RtfReader, FormattingFollowsGroupsTablesAndResets) {
    const std::string html = rtfToHtml(
        kCzechHeader + R"({\colortbl ;\red255\green0\blue0;}{\b Bold}Plain )"
                       R"({\ul Under\ulnone Gone}{\f1\fs21\cf1 Serif} \plain\i Xx\par\pard Yy)"
                       R"(\par\pard\qc\sb240\li720\fi-360 Mid\par})");
    const std::pair<const char*, const char*> tags[] = {
        {"Plain", "font-size:12pt; font-weight:400; font-style:normal; text-decoration:none; "
                  "font-family:'Arial';"},
        {"Gone", "text-decoration:none"},
        {"Serif", "font-size:10.5pt; font-weight:400; font-style:normal; text-decoration:none; "
                  "font-family:'Times New Roman'; color:#FF0000"},
        {"Yy", "font-size:12pt; font-weight:400; font-style:italic"}};
    for (const auto& [word, style] : tags)
        EXPECT_NE(tagHolding(html, word, "<span ").find(style), std::string::npos) << word;
    EXPECT_NE(tagHolding(html, "Mid", "<p ")
                  .find("margin-top:16px; margin-bottom:0px; "
                        "margin-left:48px; margin-right:0px; "
                        "text-indent:-24px;\" align=\"center\""),
              std::string::npos);
}

// Rich text as a word processor writes it: a small Czech page LibreOffice Writer converted,
// recorded by scripts/record-office-sample.sh.
TEST(RtfReader, ReadsWhatAWordProcessorWrote) {
    const std::string html =
        rtfToHtml(readFileBytes(std::string(VISTAREL_TEST_DATA_DIR) + "office-sample.rtf"));
    const std::string text = visible(html);
    for (const char* expected : {"Nápověda\n", "Příliš žluťoučký kůň úpěl ďábelské ódy & kurzíva",
                                 "podtržené", "červená € ✓", "Vytvořit Album"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    for (const char* leaked : {"Times New Roman", "Heading", "LibreOffice", ";;"})
        EXPECT_EQ(text.find(leaked), std::string::npos) << leaked;
    const std::pair<const char*, const char*> tags[] = {{"ďábelské", "font-weight:700"},
                                                        {"kurzíva", "font-style:italic"},
                                                        {"podtržené", "text-decoration:underline"},
                                                        {"červená", "color:#FF0000"}};
    for (const auto& [word, style] : tags)
        EXPECT_NE(tagHolding(html, word, "<span ").find(style), std::string::npos) << word;
}

TEST(RtfReader, AnyInputGivesWellFormedHtml) {
    const std::string deep = std::string(200000, '{') + "\\b x" + std::string(200000, '}') + "y";
    EXPECT_EQ(visible(rtfToHtml(deep)), "xy\n");
    // Mostly rich-text syntax, so random documents reach deep into the parser.
    const std::string alphabet = "{}{}\\\\\\\\'*;  abuclfsprdqntxi0123456789-?\xE8\x80\xFF\r\n";
    std::mt19937 random(20240905);
    for (int round = 0; round < 3000; ++round) {
        std::string input = "{\\rtf1";
        for (std::size_t i = 0, length = 1 + random() % 200; i < length; ++i)
            input +=
                round % 4 == 0 ? static_cast<char>(random()) : alphabet[random() % alphabet.size()];
        const std::string html = rtfToHtml(input);
        ASSERT_TRUE(isValidUtf8(html) && html.starts_with("<html>") &&
                    html.ends_with("</body></html>"))
            << input;
    }
}

// Czech rich text a word processor opens, every byte above 127 escaped, naming the controls
// as the window shows them.
TEST(HelpDocument, IsCzechRichTextNamingTheWindowsControls) {
    const std::string rtf = readFileBytes(VISTAREL_HELP_FILE);
    ASSERT_TRUE(rtf.starts_with("{\\rtf1\\ansi\\ansicpg1250\\deff0"));
    EXPECT_NE(rtf.find("\\fcharset238"), std::string::npos);
    EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](unsigned char c) { return c < 0x80; }));
    EXPECT_EQ(std::count(rtf.begin(), rtf.end(), '{'), std::count(rtf.begin(), rtf.end(), '}'));
    const std::string text = visible(rtfToHtml(rtf));
    for (const char* caption :
         {"Načíst snímky ke zpracování", "Vytvořit Album", "Pouze kód + Uložení komentářů",
          "Komentáře", "Vzhled", "Základní volby", "Název Alba:", "Adresář se snímky:",
          "Výstupní adresář:", "Náhledy:", "Snímky:", "Upravit", "Nový styl", "Uložit styl",
          "Kvalita náhledů", "Kvalita snímků", "Smazat všechny komentáře", "Editace stylu"})
        EXPECT_NE(text.find(caption), std::string::npos) << caption;
}
