#pragma once

#include <string>

// Small readers of the reader's HTML, so tests state what a user would see.
namespace vistarel::testing {

// The visible text: tags dropped, entities decoded, <br /> as '\n', paragraphs ended by '\n'.
std::string visibleText(const std::string& html);
// The style attribute of the span holding the first occurrence of text ("" when absent).
std::string spanStyleOf(const std::string& html, const std::string& text);
// The opening tag of the paragraph holding the first occurrence of text.
std::string paragraphTagOf(const std::string& html, const std::string& text);

} // namespace vistarel::testing
