#include "help/RtfReader.h"

#include "common/Cp1250.h"
#include "common/FileSystem.h"

#include "HtmlInspect.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

using namespace vistarel;
using vistarel::testing::spanStyleOf;
using vistarel::testing::TempFolder;
using vistarel::testing::visibleText;

namespace {

bool officeAvailable() {
    return std::system("command -v soffice >/dev/null 2>&1") == 0;
}

// Lets a word processor write rich text from an HTML page, in a profile of its own so
// parallel test runs do not share one.
std::string convertWithOffice(const TempFolder& folder, const std::string& html) {
    const std::string page = folder.file("sample.html");
    writeFileBytes(page, html);
    const std::string command =
        "cd '" + folder.path() + "' && HOME='" + folder.path() +
        "' soffice -env:UserInstallation=file://" + folder.path() +
        "profile --headless --infilter='HTML (StarWriter)' --convert-to rtf --outdir '" +
        folder.path() + "' '" + page + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 || !fileExists(folder.file("sample.rtf")))
        return {};
    return readFileBytes(folder.file("sample.rtf"));
}

} // namespace

TEST(OfficeRtf, DocumentWrittenByAWordProcessorReadsBack) {
    if (!officeAvailable())
        GTEST_SKIP() << "no word processor (soffice) on PATH";
    TempFolder folder;
    const std::string rtf = convertWithOffice(
        folder, "<html><head><meta charset=\"utf-8\"></head><body>"
                "<h1>Nápověda</h1>"
                "<p>Příliš žluťoučký kůň úpěl <b>ďábelské</b> ódy &amp; <i>kurzíva</i> "
                "<u>podtržené</u> <font color=\"#ff0000\">červená</font> € ✓</p>"
                "<ul><li>Vytvořit Album</li></ul></body></html>");
    ASSERT_FALSE(rtf.empty()) << "the conversion produced no file";
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
