#pragma once

#include "common/FrontEnd.h"

#include <exception>
#include <string>

namespace vistarel {

// How a command ended. The messages it showed on the way are shown already; what it did
// beyond that its own outcome type says.
enum class Ending {
    Done,    // did its work
    Refused, // a message told the user why it did nothing (or nothing more)
    Stopped, // the user stopped it
    Failed,  // an error ended it; the text was shown in the general error box
};

// The user's text for an exception: our Error's text, "Out of memory", or what() says.
std::string describeException(const std::exception_ptr& error);

// The one place where an error that ends a command becomes the user's message: shows the
// general error box and returns the text shown.
std::string reportFailure(FrontEnd& frontEnd, const std::exception_ptr& error);

// Runs body(outcome) and returns the outcome; an exception that escapes the body ends the
// command as Failed with its text, after whatever the body had already recorded.
template <class Outcome, class Body>
Outcome runReportingErrors(FrontEnd& frontEnd, Outcome outcome, Body&& body) {
    try {
        body(outcome);
    } catch (...) {
        outcome.ending = Ending::Failed;
        outcome.error = reportFailure(frontEnd, std::current_exception());
    }
    return outcome;
}

} // namespace vistarel
