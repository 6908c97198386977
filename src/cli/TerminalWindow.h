#pragma once

#include "common/WindowOps.h"
#include "state/AlbumState.h"

#include <chrono>
#include <csignal>
#include <cstdio>

namespace vistarel {

// The window operations on a terminal: messages go to stderr as "Info: ..." or
// "Chyba: ...", questions take No unless --yes was given, and the progress of a build is
// a bar (on a terminal) or one line per photo.
class TerminalWindow : public WindowOps {
public:
    TerminalWindow(AlbumState& state, AlbumSettings settings, bool answerYes, std::FILE* out);

    // Set from the SIGINT handler; turned into the build's Stop request.
    static volatile std::sig_atomic_t interrupted;

    bool failed() const { return failed_; }
    bool pageWasWritten() const { return pageWritten_; }
    bool catalogueLoaded() const { return loaded_; }
    const std::vector<std::string>& styles() const { return styles_; }

    MessageAnswer showMessage(const std::string& text, const std::string& title, MessageIcon icon,
                              MessageButtons buttons) override;
    AlbumSettings readSettings() const override { return settings_; }
    int previewBoxHeight() const override { return 186; }
    void setBuildEnabled(bool enabled) override { loaded_ = loaded_ || enabled; }
    void setCodeOnlyEnabled(bool) override {}
    void setBuildRunning(bool running, int photoCount) override;
    void setProgressPosition(int position) override;
    void showTab(int) override {}
    void processPendingEvents() override;
    void pageWritten() override { pageWritten_ = true; }
    void buildFinished(int photoCount) override;
    void setStyleList(const std::vector<std::string>& names) override;
    std::string styleRow(int) const override { return {}; }
    void setStyleRow(int, const std::string&) override {}
    void setSwatch(int, std::uint32_t) override {}

private:
    void drawBar(int done);

    AlbumState& state_;
    AlbumSettings settings_;
    bool answerYes_;
    std::FILE* out_;
    bool isTerminal_;
    bool failed_ = false;
    bool pageWritten_ = false;
    bool loaded_ = false;
    bool chosenStyleKept_;
    int photoCount_ = 0;
    std::chrono::steady_clock::time_point started_;
    std::vector<std::string> styles_;
};

} // namespace vistarel
