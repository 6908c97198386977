#include "help/RtfParser.h"

#include "help/CodePages.h"

#include "common/Cp1250.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vistarel {
namespace {

// Deeper nesting than this is malformed; further groups share the innermost state so a
// hostile file cannot make the stack grow without bound.
constexpr std::size_t kMaxDepth = 1000;
constexpr std::size_t kMaxBinarySkip = 1u << 30;

// Destinations whose content is never shown.
constexpr std::string_view kSkippedDestinations[] = {
    "info",
    "stylesheet",
    "pict",
    "header",
    "headerl",
    "headerr",
    "headerf",
    "footer",
    "footerl",
    "footerr",
    "footerf",
    "footnote",
    "object",
    "objdata",
    "fldinst",
    "themedata",
    "colorschememapping",
    "latentstyles",
    "datastore",
    "xmlnstbl",
    "listtable",
    "listoverridetable",
    "rsidtbl",
    "generator",
    "revtbl",
    "filetbl",
    "pgdsctbl",
    "annotation",
    "atnid",
    "atnauthor",
    "bkmkstart",
    "bkmkend",
    "nonshppict",
    "shpinst",
    "fontemb",
    "template",
    "userprops",
    "docvar",
};

bool isSkippedDestination(std::string_view word) {
    return std::find(std::begin(kSkippedDestinations), std::end(kSkippedDestinations), word) !=
           std::end(kSkippedDestinations);
}

// A toggle word (\b, \b1, \b0) is on unless its parameter is zero.
bool toggleValue(const RtfToken& token) {
    return !token.hasParam || token.param != 0;
}

} // namespace

std::string RtfParser::run() {
    for (RtfToken token = tokens_.next(); token.kind != RtfTokenKind::End; token = tokens_.next()) {
        switch (token.kind) {
        case RtfTokenKind::GroupStart:
            startGroup();
            break;
        case RtfTokenKind::GroupEnd:
            endGroup();
            break;
        case RtfTokenKind::ControlWord:
            handleWord(token);
            break;
        case RtfTokenKind::ControlSymbol:
            handleSymbol(token.byte);
            break;
        case RtfTokenKind::HexByte:
            handleByte(token.byte, true);
            break;
        case RtfTokenKind::Text:
            handleByte(token.byte, false);
            break;
        case RtfTokenKind::End:
            break;
        }
    }
    return html_.finish();
}

void RtfParser::startGroup() {
    fallbackLeft_ = 0;
    if (groups_.size() >= kMaxDepth) {
        ++overflowDepth_;
        return;
    }
    groups_.push_back(groups_.back());
}

void RtfParser::endGroup() {
    fallbackLeft_ = 0;
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return;
    }
    if (groups_.size() <= 1)
        return; // a stray closing brace
    if (state().destination == Destination::FontTable)
        fontBeingRead_ = -1;
    groups_.pop_back();
}

void RtfParser::handleWord(const RtfToken& token) {
    const std::string& word = token.word;
    if (word == "bin") {
        if (token.hasParam && token.param > 0)
            tokens_.skipBytes(std::min<std::size_t>(token.param, kMaxBinarySkip));
        return;
    }
    if (handleDestinationWord(word))
        return;
    switch (state().destination) {
    case Destination::Skip:
        return;
    case Destination::FontTable:
        handleFontTableWord(token);
        return;
    case Destination::ColourTable:
        handleColourTableWord(token);
        return;
    case Destination::Text:
        break;
    }
    if (word == "ansicpg" && token.hasParam) {
        documentCodePage_ = token.param == 1250 ? 1250 : 1252;
    } else if (word == "deff" && token.hasParam) {
        defaultFont_ = token.param;
    } else if (word == "uc") {
        state().fallbackLength = std::max(0, token.param);
    } else if (word == "u" && token.hasParam) {
        handleUnicode(token.param);
    } else if (!handleCharacterWord(token) && !handleParagraphWord(token)) {
        handleSpecialCharacterWord(word);
    }
}

bool RtfParser::handleDestinationWord(const std::string& word) {
    if (word == "fonttbl") {
        state().destination = Destination::FontTable;
    } else if (word == "colortbl") {
        state().destination = Destination::ColourTable;
        colours_.clear();
    } else if (isSkippedDestination(word)) {
        state().destination = Destination::Skip;
    } else {
        return false;
    }
    return true;
}

bool RtfParser::handleCharacterWord(const RtfToken& token) {
    CharState& chars = state().chars;
    const std::string& word = token.word;
    if (word == "b") {
        chars.bold = toggleValue(token);
    } else if (word == "i") {
        chars.italic = toggleValue(token);
    } else if (word == "ulnone") {
        chars.underline = false;
    } else if (word.starts_with("ul") && word != "ulc") { // \ul and its dotted, double... kinds
        chars.underline = toggleValue(token);
    } else if (word == "fs") {
        chars.halfPoints = token.param > 0 ? std::min(token.param, 3276) : 24;
    } else if (word == "cf") {
        chars.colour = std::max(0, token.param);
    } else if (word == "f") {
        chars.font = token.param;
    } else if (word == "plain") {
        chars = CharState{};
    } else {
        return false;
    }
    return true;
}

bool RtfParser::handleParagraphWord(const RtfToken& token) {
    ParagraphStyle& paragraph = state().paragraph;
    const std::string& word = token.word;
    if (word == "pard") {
        paragraph = ParagraphStyle{};
    } else if (word == "ql") {
        paragraph.alignment = Alignment::Left;
    } else if (word == "qc") {
        paragraph.alignment = Alignment::Centre;
    } else if (word == "qr") {
        paragraph.alignment = Alignment::Right;
    } else if (word == "qj") {
        paragraph.alignment = Alignment::Justify;
    } else if (word == "li") {
        paragraph.leftIndent = token.param;
    } else if (word == "ri") {
        paragraph.rightIndent = token.param;
    } else if (word == "fi") {
        paragraph.firstLineIndent = token.param;
    } else if (word == "sb") {
        paragraph.spaceBefore = token.param;
    } else if (word == "sa") {
        paragraph.spaceAfter = token.param;
    } else if (word == "par") {
        html_.endParagraph(paragraph, runStyle());
    } else if (word == "line") {
        html_.appendLineBreak(paragraph, runStyle());
    } else {
        return false;
    }
    return true;
}

bool RtfParser::handleSpecialCharacterWord(const std::string& word) {
    static constexpr std::array<std::pair<std::string_view, char32_t>, 12> kCharacters = {{
        {"tab", U'\t'},
        {"emdash", U'\u2014'},
        {"endash", U'\u2013'},
        {"bullet", U'\u2022'},
        {"lquote", U'\u2018'},
        {"rquote", U'\u2019'},
        {"ldblquote", U'\u201C'},
        {"rdblquote", U'\u201D'},
        {"emspace", U'\u2003'},
        {"enspace", U'\u2002'},
        {"qmspace", U'\u2005'},
        {"zwnj", U'\u200C'},
    }};
    for (const auto& [name, cp] : kCharacters) {
        if (word == name) {
            emit(cp);
            return true;
        }
    }
    return false;
}

void RtfParser::handleFontTableWord(const RtfToken& token) {
    if (token.word == "f") {
        fontBeingRead_ = token.param;
        fonts_[fontBeingRead_] = Font{};
    } else if (token.word == "fcharset" && fontBeingRead_ >= 0) {
        fonts_[fontBeingRead_].charset = token.param;
    }
}

void RtfParser::handleColourTableWord(const RtfToken& token) {
    const int value = std::clamp(token.param, 0, 255);
    if (token.word == "red") {
        red_ = value;
    } else if (token.word == "green") {
        green_ = value;
    } else if (token.word == "blue") {
        blue_ = value;
    } else {
        return;
    }
    colourGiven_ = true;
}

void RtfParser::handleSymbol(unsigned char symbol) {
    if (symbol == '*') {
        state().destination = Destination::Skip;
        return;
    }
    if (consumeFallback() || state().destination == Destination::Skip)
        return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        handleByte(symbol, true);
        break;
    case '~':
        emit(U'\u00A0');
        break;
    case '_':
        emit(U'\u2011');
        break;
    default: // \- (optional hyphen), \| and the rest show nothing
        break;
    }
}

void RtfParser::handleByte(unsigned char byte, bool escaped) {
    if (consumeFallback())
        return;
    switch (state().destination) {
    case Destination::Skip:
        return;
    case Destination::ColourTable:
        if (byte == ';') {
            colours_.push_back(
                colourGiven_ ? std::optional<std::uint32_t>((red_ << 16) | (green_ << 8) | blue_)
                             : std::nullopt);
            red_ = green_ = blue_ = 0;
            colourGiven_ = false;
        }
        return;
    case Destination::FontTable: {
        if (fontBeingRead_ < 0)
            return;
        Font& font = fonts_[fontBeingRead_];
        if (byte == ';' && !escaped)
            font.nameDone = true;
        else if (!font.nameDone)
            appendUtf8(font.name, validCodePoint(codePageToCodePoint(
                                      codePageForCharset(font.charset, documentCodePage_), byte)));
        return;
    }
    case Destination::Text:
        emit(codePageToCodePoint(currentCodePage(), byte));
        return;
    }
}

void RtfParser::handleUnicode(int param) {
    const char32_t unit = static_cast<char32_t>(param < 0 ? param + 65536 : param);
    fallbackLeft_ = 0;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        highSurrogate_ = unit; // the low half follows in the next \u
    } else if (unit >= 0xDC00 && unit <= 0xDFFF && highSurrogate_ != 0) {
        const char32_t high = highSurrogate_;
        highSurrogate_ = 0;
        emit(0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
    } else {
        emit(unit);
    }
    fallbackLeft_ = state().fallbackLength;
}

void RtfParser::emit(char32_t cp) {
    if (state().destination != Destination::Text)
        return;
    if (highSurrogate_ != 0) {
        highSurrogate_ = 0; // a high half without its low half
        html_.appendCharacter(U'\uFFFD', state().paragraph, runStyle());
    }
    if ((cp < 0x20 && cp != U'\t') || (cp >= 0xD800 && cp <= 0xDFFF))
        return;
    html_.appendCharacter(cp, state().paragraph, runStyle());
}

// Characters right after \uN stand in for readers without Unicode; they are dropped.
bool RtfParser::consumeFallback() {
    if (fallbackLeft_ <= 0)
        return false;
    --fallbackLeft_;
    return true;
}

int RtfParser::currentCodePage() const {
    const int font = state().chars.font >= 0 ? state().chars.font : defaultFont_;
    const auto it = fonts_.find(font);
    return it == fonts_.end() ? documentCodePage_
                              : codePageForCharset(it->second.charset, documentCodePage_);
}

RunStyle RtfParser::runStyle() const {
    const CharState& chars = state().chars;
    RunStyle run;
    run.bold = chars.bold;
    run.italic = chars.italic;
    run.underline = chars.underline;
    run.halfPoints = chars.halfPoints;
    const auto font = fonts_.find(chars.font >= 0 ? chars.font : defaultFont_);
    if (font != fonts_.end())
        run.family = font->second.name;
    if (chars.colour > 0 && static_cast<std::size_t>(chars.colour) < colours_.size())
        run.colour = colours_[chars.colour];
    return run;
}

} // namespace vistarel
