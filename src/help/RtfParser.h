#pragma once

#include "help/HtmlBuilder.h"
#include "help/RtfTokenizer.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistarel {

// The state machine behind rtfToHtml: keeps the group stack with the character and
// paragraph formatting, the font and colour tables, and feeds text to the HtmlBuilder.
class RtfParser {
public:
    explicit RtfParser(std::string_view input) : tokens_(input) {}
    std::string run();

private:
    enum class Destination { Text, Skip, FontTable, ColourTable };

    struct CharState {
        bool bold = false;
        bool italic = false;
        bool underline = false;
        int halfPoints = 24;
        int font = -1; // -1: the document's default font
        int colour = 0;
    };

    struct GroupState {
        CharState chars;
        ParagraphStyle paragraph;
        Destination destination = Destination::Text;
        int fallbackLength = 1; // \ucN
    };

    struct Font {
        std::string name;
        int charset = 1;
        bool nameDone = false;
    };

    void startGroup();
    void endGroup();
    void handleWord(const RtfToken& token);
    bool handleDestinationWord(const std::string& word);
    bool handleCharacterWord(const RtfToken& token);
    bool handleParagraphWord(const RtfToken& token);
    bool handleSpecialCharacterWord(const std::string& word);
    void handleFontTableWord(const RtfToken& token);
    void handleColourTableWord(const RtfToken& token);
    void handleSymbol(unsigned char symbol);
    void handleByte(unsigned char byte, bool escaped);
    void handleUnicode(int param);
    void emit(char32_t codePoint);
    bool consumeFallback();

    int currentCodePage() const;
    RunStyle runStyle() const;
    GroupState& state() { return groups_.back(); }
    const GroupState& state() const { return groups_.back(); }

    RtfTokenizer tokens_;
    HtmlBuilder html_;
    std::vector<GroupState> groups_{GroupState{}};
    int overflowDepth_ = 0;
    int fallbackLeft_ = 0;
    char32_t highSurrogate_ = 0;
    int documentCodePage_ = 1252;
    int defaultFont_ = 0;
    std::map<int, Font> fonts_;
    int fontBeingRead_ = -1;
    std::vector<std::optional<std::uint32_t>> colours_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colourGiven_ = false;
};

} // namespace vistarel
