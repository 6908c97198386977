#pragma once

#include "common/FrontEnd.h"

#include <string>

namespace vistarel {

// The program's message conventions, so every command shows them the same way.
inline const char* const kCrLf = "\r\n";

void showNotice(FrontEnd& frontEnd, const std::string& text);  // "Info", information
void showWarning(FrontEnd& frontEnd, const std::string& text); // "Chyba", warning
bool askYesNo(FrontEnd& frontEnd, const std::string& text);    // "Info", question, No default
// The general error box: the error's text ("." rule applied), "Vistarel", error icon.
void showGeneralError(FrontEnd& frontEnd, const std::string& text);

} // namespace vistarel
