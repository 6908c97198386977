#pragma once

#include "common/AlbumSettings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vistarel {

enum class MessageIcon { Information, Question, Warning, Error };
enum class MessageButtons { Ok, YesNo }; // Yes/No always preselects No
enum class MessageAnswer { Ok, Yes, No };

// Tab indexes of the main window, for showTab.
enum TabIndex { TabAlbum = 0, TabComments = 1, TabStyle = 2, TabHelp = 3, TabAbout = 4 };

// Everything the core needs of a window. The Qt window, the terminal front end and the
// tests' recording fake implement it; the core never sees a toolkit.
class WindowOps {
public:
    virtual ~WindowOps() = default;

    // A modal message box; text lines are separated by CR LF.
    virtual MessageAnswer showMessage(const std::string& text, const std::string& title,
                                      MessageIcon icon, MessageButtons buttons) = 0;

    virtual AlbumSettings readSettings() const = 0;
    virtual int previewBoxHeight() const = 0;

    virtual void setBuildEnabled(bool enabled) = 0;
    virtual void setCodeOnlyEnabled(bool enabled) = 0;

    // Swaps the build and code-only buttons for the progress bar (range 0..photoCount-1,
    // position 0) and the Stop button, or back.
    virtual void setBuildRunning(bool running, int photoCount) = 0;
    virtual void setProgressPosition(int position) = 0;
    virtual void showTab(int index) = 0;
    virtual void processPendingEvents() = 0;

    // Notifications: the page writer found the output folder; the build loop ended.
    virtual void pageWritten() = 0;
    virtual void buildFinished(int photoCount) = 0;

    // The style list and the style editor's rows and swatches.
    virtual void setStyleList(const std::vector<std::string>& names) = 0; // selects the first
    virtual std::string styleRow(int row) const = 0;
    virtual void setStyleRow(int row, const std::string& value) = 0;
    virtual void setSwatch(int index, std::uint32_t colour) = 0;
};

} // namespace vistarel
