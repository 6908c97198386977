#include "help/RtfReader.h"

#include "common/Cp1250.h"
#include "common/FileSystem.h"

#include "HtmlInspect.h"

#include <gtest/gtest.h>

using namespace vistarel;
using vistarel::testing::spanStyleOf;
using vistarel::testing::visibleText;

// Rich text as a word processor writes it: a small Czech page converted by LibreOffice
// Writer, recorded by record-office-sample.sh so the tests need no word processor.
TEST(OfficeRtf, DocumentWrittenByAWordProcessorReadsBack) {
    const std::string rtf =
        readFileBytes(std::string(VISTAREL_TEST_DATA_DIR) + "office-sample.rtf");
    ASSERT_EQ(rtf.rfind("{\\rtf1", 0), 0u);

    const std::string html = rtfToHtml(rtf);
    EXPECT_TRUE(isValidUtf8(html));
    const std::string text = visibleText(html);
    for (const char* expected : {"Nápověda", "Příliš žluťoučký kůň úpěl", "ďábelské ódy & kurzíva",
                                 "podtržené", "červená", "€ ✓", "Vytvořit Album"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_NE(spanStyleOf(html, "ďábelské").find("font-weight:700"), std::string::npos);
    EXPECT_NE(spanStyleOf(html, "kurzíva").find("font-style:italic"), std::string::npos);
    EXPECT_NE(spanStyleOf(html, "podtržené").find("text-decoration:underline"), std::string::npos);
    EXPECT_NE(spanStyleOf(html, "červená").find("color:#FF0000"), std::string::npos);
    EXPECT_NE(spanStyleOf(html, "Nápověda").find("font-weight:700"), std::string::npos);
    // Nothing from the tables, style sheet or document information leaks into the text.
    for (const char* leaked : {"Times New Roman", "Heading", "LibreOffice", ";;"})
        EXPECT_EQ(text.find(leaked), std::string::npos) << leaked;
}
