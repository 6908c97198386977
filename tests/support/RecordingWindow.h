#pragma once

#include "common/WindowOps.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vistarel::testing {

// One call made to the window, recorded as text so a test can compare whole sequences.
// Messages read "message <title> <icon> <buttons>: <text>"; other calls name themselves.
struct RecordingWindow : WindowOps {
    AlbumSettings settings;
    int previewHeight = 186;
    std::vector<std::string> calls;
    std::deque<MessageAnswer> answers;        // next answers to Yes/No questions; No when empty
    std::function<void(int)> onProcessEvents; // called with the count of calls so far

    bool buildEnabled = false;
    bool codeOnlyEnabled = false;
    bool buildRunning = false;
    int progressPosition = -1;
    int shownTab = -1;
    int processEventsCount = 0;
    std::vector<std::string> styleList;
    std::string styleRows[18];
    std::map<int, std::uint32_t> swatches;

    MessageAnswer showMessage(const std::string& text, const std::string& title, MessageIcon icon,
                              MessageButtons buttons) override;
    AlbumSettings readSettings() const override { return settings; }
    int previewBoxHeight() const override { return previewHeight; }
    void setBuildEnabled(bool enabled) override;
    void setCodeOnlyEnabled(bool enabled) override;
    void setBuildRunning(bool running, int photoCount) override;
    void setProgressPosition(int position) override;
    void showTab(int index) override;
    void processPendingEvents() override;
    void pageWritten() override;
    void buildFinished(int photoCount) override;
    void setStyleList(const std::vector<std::string>& names) override;
    std::string styleRow(int row) const override { return styleRows[row]; }
    void setStyleRow(int row, const std::string& value) override { styleRows[row] = value; }
    void setSwatch(int index, std::uint32_t colour) override;

    // Only the message lines, in order.
    std::vector<std::string> messages() const;
};

} // namespace vistarel::testing
