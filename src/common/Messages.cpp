#include "common/Messages.h"

#include "common/Error.h"
#include "common/Outcome.h"

#include <new>

namespace vistarel {

void showNotice(FrontEnd& frontEnd, const std::string& text) {
    frontEnd.showMessage(text, "Info", MessageIcon::Information, MessageButtons::Ok);
}

void showWarning(FrontEnd& frontEnd, const std::string& text) {
    frontEnd.showMessage(text, "Chyba", MessageIcon::Warning, MessageButtons::Ok);
}

bool askYesNo(FrontEnd& frontEnd, const std::string& text) {
    return frontEnd.showMessage(text, "Info", MessageIcon::Question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}

void showGeneralError(FrontEnd& frontEnd, const std::string& text) {
    frontEnd.showMessage(generalErrorText(text), "Vistarel", MessageIcon::Error,
                         MessageButtons::Ok);
}

std::string describeException(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const Error& known) {
        return known.text();
    } catch (const std::bad_alloc&) {
        return "Out of memory";
    } catch (const std::exception& other) {
        return other.what();
    } catch (...) {
        return "Unknown error";
    }
}

std::string reportFailure(FrontEnd& frontEnd, const std::exception_ptr& error) {
    const std::string text = describeException(error);
    showGeneralError(frontEnd, text);
    return text;
}

} // namespace vistarel
