#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vistarel {

// The character look of a run of text, resolved from the rich-text state.
struct RunStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;
    std::string family;                  // empty: the view's own font
    std::optional<std::uint32_t> colour; // 0xRRGGBB; none: the view's text colour
    bool operator==(const RunStyle&) const = default;
};

enum class Alignment { Left, Centre, Right, Justify };

// Paragraph layout; lengths in twips as the rich text gives them.
struct ParagraphStyle {
    Alignment alignment = Alignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool operator==(const ParagraphStyle&) const = default;
};

// Collects paragraphs and runs into the HTML subset a Qt text view shows. Paragraphs and
// spans are opened lazily, so formatting that changes between characters costs nothing.
class HtmlBuilder {
public:
    void appendCharacter(char32_t codePoint, const ParagraphStyle& paragraph, const RunStyle& run);
    void appendLineBreak(const ParagraphStyle& paragraph, const RunStyle& run);
    void endParagraph(const ParagraphStyle& paragraph, const RunStyle& run);
    // Closes what is open and returns the whole document.
    std::string finish();

private:
    void openRun(const ParagraphStyle& paragraph, const RunStyle& run);
    void closeRun();
    void closeParagraph();

    std::string body_;
    bool paragraphOpen_ = false;
    bool runOpen_ = false;
    bool paragraphEmpty_ = true;
    RunStyle openRunStyle_;
};

} // namespace vistarel
