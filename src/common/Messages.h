#pragma once

#include "common/WindowOps.h"

#include <string>

namespace vistarel {

// The program's message conventions, so every command shows them the same way.
inline const char* const kCrLf = "\r\n";

void showNotice(WindowOps& window, const std::string& text);  // "Info", information
void showWarning(WindowOps& window, const std::string& text); // "Chyba", warning
bool askYesNo(WindowOps& window, const std::string& text);    // "Info", question, No default
// The general error box: the error's text ("." rule applied), "Vistarel", error icon.
void showGeneralError(WindowOps& window, const std::string& text);

} // namespace vistarel
