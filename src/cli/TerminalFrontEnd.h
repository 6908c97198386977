#pragma once

#include "common/FrontEnd.h"
#include "state/AlbumState.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>

namespace vistarel {

// The text with its control characters (C0, DEL, C1) written as "\x1B"-style escapes, so
// that no file name can send the terminal an escape sequence. Line feeds stay when
// keepLineFeeds is set.
std::string visibleOnTerminal(const std::string& text, bool keepLineFeeds);

// The front end on a terminal: messages go to the stream as "Info: ..." or "Chyba: ...",
// questions take No unless --yes was given, and the progress of a build is a bar (on a
// terminal) or one line per photo.
class TerminalFrontEnd : public FrontEnd {
public:
    TerminalFrontEnd(AlbumState& state, bool answerYes, std::FILE* out);

    // The number of the stop signal caught (SIGINT, SIGTERM, SIGHUP), 0 while none came;
    // turned into the build's Stop request.
    static volatile std::sig_atomic_t interrupted;

    MessageAnswer showMessage(const std::string& text, const std::string& title, MessageIcon icon,
                              MessageButtons buttons) override;
    void setBuildRunning(bool running, int photoCount) override;
    void setProgressPosition(int position) override;
    void processPendingEvents() override;

private:
    void drawBar(int done);

    AlbumState& state_;
    bool answerYes_;
    std::FILE* out_;
    bool isTerminal_;
    int photoCount_ = 0; // while a build runs
    std::chrono::steady_clock::time_point started_;
};

} // namespace vistarel
