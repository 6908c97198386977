#pragma once

#include <QTextBrowser>

namespace vistarel {

class FrontEnd;

// The "Nápověda" page: shows "help.rtf" from the program folder, read afresh at every
// visit so an edited file shows the next time.
class HelpView : public QTextBrowser {
    Q_OBJECT
public:
    HelpView(FrontEnd& frontEnd, QWidget* parent);

    void LoadHelp();

private:
    FrontEnd& frontEnd_;
};

} // namespace vistarel
