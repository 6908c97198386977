#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vistarel {

// windows-1250 <-> UTF-8. Inside the program text is UTF-8; the files it writes and reads
// (the page, style files) and captions on disk are windows-1250.

char32_t cp1250ToCodePoint(unsigned char byte);
int cp1250ByteFor(char32_t codePoint); // -1 when windows-1250 has no such character
std::string cp1250ToUtf8(std::string_view bytes);

// What to write for a character windows-1250 lacks.
using UnmappableWriter = std::function<std::string(char32_t)>;
// Bytes that are not valid UTF-8 pass through unchanged.
std::string utf8ToCp1250(std::string_view utf8, const UnmappableWriter& unmappable);

std::string htmlReference(char32_t codePoint); // "&#8364;"
std::string cssEscape(char32_t codePoint);     // "\20AC "

// Decodes one UTF-8 sequence at pos and advances it; nothing (pos unchanged) when invalid.
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& pos);
bool isValidUtf8(std::string_view text);
void appendUtf8(std::string& out, char32_t codePoint);

} // namespace vistarel
