#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vistarel {

enum class RtfTokenKind { GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text, End };

struct RtfToken {
    RtfTokenKind kind = RtfTokenKind::End;
    std::string word; // ControlWord: the letters
    bool hasParam = false;
    int param = 0;          // ControlWord: the number, clamped to the int range
    unsigned char byte = 0; // ControlSymbol, HexByte, Text
};

// Splits rich text into tokens. Every call consumes at least one byte until End, so a
// reader driven by it always terminates, whatever the input.
class RtfTokenizer {
public:
    explicit RtfTokenizer(std::string_view input) : input_(input) {}

    RtfToken next();
    // Skips raw bytes (the payload of \binN).
    void skipBytes(std::size_t count);

private:
    RtfToken readEscape();
    RtfToken readControlWord();
    RtfToken readHexByte();
    bool atEnd() const { return pos_ >= input_.size(); }
    unsigned char peek() const { return static_cast<unsigned char>(input_[pos_]); }

    std::string_view input_;
    std::size_t pos_ = 0;
};

} // namespace vistarel
