#include "common/Messages.h"

#include "common/Error.h"

namespace vistarel {

void showNotice(WindowOps& window, const std::string& text) {
    window.showMessage(text, "Info", MessageIcon::Information, MessageButtons::Ok);
}

void showWarning(WindowOps& window, const std::string& text) {
    window.showMessage(text, "Chyba", MessageIcon::Warning, MessageButtons::Ok);
}

bool askYesNo(WindowOps& window, const std::string& text) {
    return window.showMessage(text, "Info", MessageIcon::Question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

void showGeneralError(WindowOps& window, const std::string& text) {
    window.showMessage(generalErrorText(text), "Vistarel", MessageIcon::Error, MessageButtons::Ok);
}

} // namespace vistarel
