#pragma once

#include <QTextBrowser>

namespace vistarel {

class WindowOps;

// The "Nápověda" page: shows "help.rtf" from the program folder, read afresh at every
// visit so an edited file shows the next time.
class HelpView : public QTextBrowser {
    Q_OBJECT
public:
    HelpView(WindowOps& window, QWidget* parent);

    void LoadHelp();

private:
    WindowOps& window_;
};

} // namespace vistarel
