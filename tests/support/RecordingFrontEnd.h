#pragma once

#include "common/AlbumSettings.h"
#include "common/FrontEnd.h"
#include "styles/StyleEditorView.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vistarel::testing {

// Records every call as text; messages read "message <title> <icon> <buttons>: <text>".
struct RecordingFrontEnd : FrontEnd, StyleEditorView {
    AlbumSettings settings; // what the test hands to the commands
    std::vector<std::string> calls;
    std::deque<MessageAnswer> answers;        // next answers to Yes/No questions; No when empty
    std::function<void(int)> onProcessEvents; // called with the count of calls so far

    bool buildRunning = false;
    int progressPosition = -1;
    int processEventsCount = 0;
    std::string styleRows[18];
    std::map<int, std::uint32_t> swatches; // set by the style commands, not recorded in calls

    MessageAnswer showMessage(const std::string& text, const std::string& title, MessageIcon icon,
                              MessageButtons buttons) override;
    void setBuildRunning(bool running, int photoCount) override;
    void setProgressPosition(int position) override;
    void processPendingEvents() override;

    std::string styleRow(int row) const override { return styleRows[row]; }
    void setStyleRow(int row, const std::string& value) override { styleRows[row] = value; }
    void setSwatch(int index, std::uint32_t colour) override { swatches[index] = colour; }
    std::vector<std::string> messages() const; // the message lines
};

} // namespace vistarel::testing
