#include "help/RtfReader.h"

#include "common/Cp1250.h"
#include "common/FileSystem.h"

#include "HtmlInspect.h"

#include <gtest/gtest.h>

using namespace vistarel;
using vistarel::testing::spanStyleOf;
using vistarel::testing::visibleText;

namespace {

std::string helpDocument() {
    return readFileBytes(std::string(VISTAREL_RESOURCES_DIR) + "help.rtf");
}

} // namespace

TEST(HelpDocument, IsCzechRichTextAWordProcessorOpens) {
    const std::string rtf = helpDocument();
    ASSERT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1250\\deff0", 0), 0u);
    EXPECT_NE(rtf.find("\\fcharset238"), std::string::npos);
    int depth = 0;
    bool escaped = false;
    for (const char c : rtf) {
        if (!escaped && c == '{')
            ++depth;
        if (!escaped && c == '}')
            --depth;
        ASSERT_GE(depth, 0);
        escaped = !escaped && c == '\\';
    }
    EXPECT_EQ(depth, 0);
    for (const unsigned char c : rtf)
        EXPECT_LT(c, 0x80) << "bytes above 127 belong in \\'hh escapes";
}

TEST(HelpDocument, NamesTheControlsAsTheWindowShowsThem) {
    const std::string html = rtfToHtml(helpDocument());
    ASSERT_TRUE(isValidUtf8(html));
    const std::string text = visibleText(html);
    for (const char* caption :
         {"Načíst snímky ke zpracování", "Vytvořit Album", "Pouze kód + Uložení komentářů",
          "Komentáře", "Vzhled", "Základní volby", "Název Alba:", "Adresář se snímky:",
          "Výstupní adresář:", "Náhledy:", "Snímky:", "Upravit", "Nový styl", "Uložit styl",
          "Kvalita náhledů", "Kvalita snímků", "Smazat všechny komentáře", "Editace stylu"})
        EXPECT_NE(text.find(caption), std::string::npos) << caption;
    EXPECT_NE(spanStyleOf(html, "Vistarel").find("font-weight:700"), std::string::npos);
}
