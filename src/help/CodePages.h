#pragma once

namespace vistarel {

// The single-byte code pages a rich-text document may use for its \'hh bytes. Only the two
// Latin ones matter to us; anything else is read as windows-1252.
char32_t codePageToCodePoint(int codePage, unsigned char byte);

// The code page a font's \fcharset stands for; 0 (ANSI) and 1 (default) and unknown sets
// keep the document's own code page, because simple writers label every font ANSI.
int codePageForCharset(int charset, int documentCodePage);

// Surrogates and values beyond Unicode become U+FFFD, so the output stays valid UTF-8.
char32_t validCodePoint(char32_t codePoint);

} // namespace vistarel
