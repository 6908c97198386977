#pragma once

#include "common/AlbumSettings.h"
#include "common/FrontEnd.h"
#include "state/AlbumState.h"
#include "ui/window/LookPage.h"
#include "ui/window/OptionsPage.h"

#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QTabWidget;

namespace vistarel {

class CommentEditor;
class HelpView;

// Page indexes of the main window's tabs.
enum TabIndex { TabAlbum = 0, TabComments = 1, TabStyle = 2, TabHelp = 3, TabAbout = 4 };

// The program's only window: five pages holding the user's settings, and the buttons that
// start every command. Commands get the settings when they start, talk to the window as
// their front end while they run, and the window acts on what they return.
class TfVL : public QWidget, public FrontEnd {
    Q_OBJECT
public:
    explicit TfVL(QWidget* parent = nullptr);
    ~TfVL() override;

    AlbumState& state() { return state_; }
    bool buildRunning() const { return buildRunning_; }
    // The factor the window's layout grid is drawn at (see LayoutScale.h).
    double layoutScale() const { return scale_; }
    // The settings as the controls hold them now.
    AlbumSettings readSettings() const;

    // FrontEnd
    MessageAnswer showMessage(const std::string& text, const std::string& title, MessageIcon icon,
                              MessageButtons buttons) override;
    void setBuildRunning(bool running, int photoCount) override;
    void setProgressPosition(int position) override;
    void processPendingEvents() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createPages();
    void connectHandlers();
    void FormCreate();
    void scaleToDesktopFont();
    void centreOnScreen();
    void setStyleList(const std::vector<std::string>& names); // selects the first
    void showStyleList();

    // Event handlers.
    void PGChange(int index);
    void btnAdrImputClick(int tag);
    void cmbNahledChange();
    void edtQNahledChange(const QObject* control);
    void btnNactiKeZpracClick();
    void btnVytvoritAlbumClick();
    void btnPouzeKodClick();
    void btnStopClick();
    void btnStylUpravitClick();
    void btnStylNovyClick();
    void btnUlozStylClick();

    AlbumState state_;
    QTabWidget* PG = nullptr;
    OptionsPage options_;
    CommentEditor* commentEditor = nullptr;
    LookPage look_;
    HelpView* reHelp = nullptr;
    QLabel* Image1 = nullptr;

    double scale_ = 1.0;
    bool buildRunning_ = false;
    bool closeAfterBuild_ = false;
};

} // namespace vistarel
