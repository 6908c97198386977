#pragma once

#include <string>

namespace vistarel {

// Turns a rich-text (RTF) document into the HTML subset a Qt text view shows, as UTF-8.
// Understands groups, paragraphs and line breaks, tabs, bold, italic, underline, font sizes,
// colours and fonts from their tables, paragraph alignment, indents and spacing, \'hh bytes
// in the document's or the font's code page (windows-1250 or windows-1252), \uN with its
// \ucN fallback, and the usual control symbols; pictures, the document information, style
// sheets, headers, footers and every \* destination are skipped. Malformed or truncated
// input yields whatever was read up to the fault; it never throws for bad input.
std::string rtfToHtml(const std::string& rtfBytes);

} // namespace vistarel
