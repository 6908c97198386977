#include "help/RtfTokenizer.h"

#include "common/HexDigit.h"

#include <algorithm>
#include <climits>

namespace vistarel {
namespace {

bool isLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}

RtfToken simple(RtfTokenKind kind, unsigned char byte = 0) {
    RtfToken token;
    token.kind = kind;
    token.byte = byte;
    return token;
}

} // namespace

RtfToken RtfTokenizer::next() {
    while (!atEnd()) {
        const unsigned char c = peek();
        ++pos_;
        switch (c) {
        case '{':
            return simple(RtfTokenKind::GroupStart);
        case '}':
            return simple(RtfTokenKind::GroupEnd);
        case '\\':
            return readEscape();
        case '\r':
        case '\n':
        case '\0':
            continue; // line ends in the source carry no meaning
        default:
            return simple(RtfTokenKind::Text, c);
        }
    }
    return simple(RtfTokenKind::End);
}

void RtfTokenizer::skipBytes(std::size_t count) {
    pos_ += std::min(count, input_.size() - pos_);
}

RtfToken RtfTokenizer::readEscape() {
    if (atEnd())
        return simple(RtfTokenKind::End);
    const unsigned char c = peek();
    if (isLetter(c))
        return readControlWord();
    ++pos_;
    if (c == '\'')
        return readHexByte();
    if (c == '\r' || c == '\n') {
        // A backslash before a line end is a paragraph mark.
        RtfToken token = simple(RtfTokenKind::ControlWord);
        token.word = "par";
        return token;
    }
    return simple(RtfTokenKind::ControlSymbol, c);
}

RtfToken RtfTokenizer::readControlWord() {
    RtfToken token = simple(RtfTokenKind::ControlWord);
    constexpr std::size_t kMaxWord = 32;
    while (!atEnd() && isLetter(peek())) {
        if (token.word.size() < kMaxWord)
            token.word += static_cast<char>(peek());
        ++pos_;
    }
    bool negative = false;
    if (!atEnd() && peek() == '-' && pos_ + 1 < input_.size() &&
        isDigit(static_cast<unsigned char>(input_[pos_ + 1]))) {
        negative = true;
        ++pos_;
    }
    long long value = 0;
    while (!atEnd() && isDigit(peek())) {
        token.hasParam = true;
        value = std::min<long long>(value * 10 + (peek() - '0'), INT_MAX);
        ++pos_;
    }
    token.param = static_cast<int>(negative ? -value : value);
    if (!atEnd() && peek() == ' ')
        ++pos_; // the delimiting space belongs to the control word
    return token;
}

RtfToken RtfTokenizer::readHexByte() {
    int value = 0;
    for (int i = 0; i < 2; ++i) {
        const int digit = atEnd() ? -1 : hexDigitValue(static_cast<char>(peek()));
        if (digit < 0)
            return simple(RtfTokenKind::ControlSymbol, '\''); // broken: carries no character
        value = value * 16 + digit;
        ++pos_;
    }
    return simple(RtfTokenKind::HexByte, static_cast<unsigned char>(value));
}

} // namespace vistarel
