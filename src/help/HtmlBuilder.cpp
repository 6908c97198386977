#include "help/HtmlBuilder.h"

#include "help/CodePages.h"

#include "common/Cp1250.h"

#include <cstdio>

namespace vistarel {
namespace {

// Twips to CSS pixels at 96 dots per inch.
int twipsToPixels(int twips) {
    return twips / 15;
}

const char* alignmentName(Alignment alignment) {
    switch (alignment) {
    case Alignment::Centre:
        return "center";
    case Alignment::Right:
        return "right";
    case Alignment::Justify:
        return "justify";
    case Alignment::Left:
        break;
    }
    return "left";
}

// Rich-text spacing is significant, so paragraphs keep spaces and tabs as written.
std::string paragraphTag(const ParagraphStyle& p) {
    std::string tag = "<p style=\"white-space:pre-wrap; margin-top:" +
                      std::to_string(twipsToPixels(p.spaceBefore)) +
                      "px; margin-bottom:" + std::to_string(twipsToPixels(p.spaceAfter)) +
                      "px; margin-left:" + std::to_string(twipsToPixels(p.leftIndent)) +
                      "px; margin-right:" + std::to_string(twipsToPixels(p.rightIndent)) +
                      "px; text-indent:" + std::to_string(twipsToPixels(p.firstLineIndent)) +
                      "px;\" align=\"" + alignmentName(p.alignment) + "\">";
    return tag;
}

// Font names end up inside a quoted attribute; characters that could break out are dropped.
std::string safeFamily(const std::string& family) {
    std::string out;
    for (const char c : family) {
        if (c != '"' && c != '\'' && c != '<' && c != '>' && c != '&' && c != ';' && c != '\\')
            out += c;
    }
    return out;
}

std::string spanTag(const RunStyle& run) {
    std::string style = "font-size:" + std::to_string(run.halfPoints / 2) +
                        (run.halfPoints % 2 ? ".5" : "") +
                        "pt; font-weight:" + (run.bold ? "700" : "400") +
                        "; font-style:" + (run.italic ? "italic" : "normal") +
                        "; text-decoration:" + (run.underline ? "underline" : "none") + ";";
    const std::string family = safeFamily(run.family);
    if (!family.empty())
        style += " font-family:'" + family + "';";
    if (run.colour) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "#%06X", static_cast<unsigned>(*run.colour & 0xFFFFFF));
        style += std::string(" color:") + hex + ";";
    }
    return "<span style=\"" + style + "\">";
}

void appendEscaped(std::string& out, char32_t cp) {
    switch (cp) {
    case '<':
        out += "&lt;";
        break;
    case '>':
        out += "&gt;";
        break;
    case '&':
        out += "&amp;";
        break;
    case '"':
        out += "&quot;";
        break;
    default:
        appendUtf8(out, validCodePoint(cp));
    }
}

} // namespace

void HtmlBuilder::appendCharacter(char32_t cp, const ParagraphStyle& paragraph,
                                  const RunStyle& run) {
    openRun(paragraph, run);
    appendEscaped(body_, cp);
    paragraphEmpty_ = false;
}

void HtmlBuilder::appendLineBreak(const ParagraphStyle& paragraph, const RunStyle& run) {
    openRun(paragraph, run);
    body_ += "<br />";
    paragraphEmpty_ = false;
}

void HtmlBuilder::endParagraph(const ParagraphStyle& paragraph, const RunStyle& run) {
    if (!paragraphOpen_ || paragraphEmpty_)
        appendCharacter(0xA0, paragraph, run); // an empty paragraph keeps its line height
    closeParagraph();
}

std::string HtmlBuilder::finish() {
    if (paragraphOpen_ && !paragraphEmpty_)
        closeParagraph();
    return "<html><head><meta charset=\"utf-8\" /></head><body>" + body_ + "</body></html>";
}

void HtmlBuilder::openRun(const ParagraphStyle& paragraph, const RunStyle& run) {
    if (!paragraphOpen_) {
        body_ += paragraphTag(paragraph);
        paragraphOpen_ = true;
        paragraphEmpty_ = true;
    }
    if (runOpen_ && openRunStyle_ == run)
        return;
    closeRun();
    body_ += spanTag(run);
    runOpen_ = true;
    openRunStyle_ = run;
}

void HtmlBuilder::closeRun() {
    if (runOpen_)
        body_ += "</span>";
    runOpen_ = false;
}

void HtmlBuilder::closeParagraph() {
    closeRun();
    if (paragraphOpen_)
        body_ += "</p>";
    paragraphOpen_ = false;
    paragraphEmpty_ = true;
}

} // namespace vistarel
