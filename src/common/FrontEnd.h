#pragma once

#include <string>

namespace vistarel {

enum class MessageIcon { Information, Question, Warning, Error };
enum class MessageButtons { Ok, YesNo }; // Yes/No always preselects No
enum class MessageAnswer { Ok, Yes, No };

// What every front end gives the commands: modal messages and questions, and the display of
// a running build. The Qt window, the terminal and the tests' recording fake implement it;
// the core never sees a toolkit. Everything else a front end learns from what a command
// returns.
class FrontEnd {
public:
    virtual ~FrontEnd() = default;

    // A modal message box; text lines are separated by CR LF.
    virtual MessageAnswer showMessage(const std::string& text, const std::string& title,
                                      MessageIcon icon, MessageButtons buttons) = 0;

    // Swaps the build and code-only buttons for the progress bar (range 0..photoCount-1,
    // position 0) and the Stop button, or back.
    virtual void setBuildRunning(bool running, int photoCount) = 0;
    virtual void setProgressPosition(int position) = 0;
    // Lets the user's input (Stop, closing the window) reach a running build.
    virtual void processPendingEvents() = 0;
};

} // namespace vistarel
