#pragma once

#include "common/WindowOps.h"
#include "state/AlbumState.h"
#include "ui/window/LookPage.h"
#include "ui/window/OptionsPage.h"

#include <QWidget>
#include <functional>

class QLabel;
class QTabWidget;

namespace vistarel {

class CommentEditor;
class HelpView;

// The program's only window: five pages holding the user's settings, and the buttons that
// start every command. It is also the window the core commands talk to.
class TfVL : public QWidget, public WindowOps {
    Q_OBJECT
public:
    explicit TfVL(QWidget* parent = nullptr);
    ~TfVL() override;

    AlbumState& state() { return state_; }
    bool buildRunning() const { return buildRunning_; }

    // WindowOps
    MessageAnswer showMessage(const std::string& text, const std::string& title, MessageIcon icon,
                              MessageButtons buttons) override;
    AlbumSettings readSettings() const override;
    int previewBoxHeight() const override;
    void setBuildEnabled(bool enabled) override;
    void setCodeOnlyEnabled(bool enabled) override;
    void setBuildRunning(bool running, int photoCount) override;
    void setProgressPosition(int position) override;
    void showTab(int index) override;
    void processPendingEvents() override;
    void pageWritten() override;
    void buildFinished(int photoCount) override;
    void setStyleList(const std::vector<std::string>& names) override;
    std::string styleRow(int row) const override;
    void setStyleRow(int row, const std::string& value) override;
    void setSwatch(int index, std::uint32_t colour) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createPages();
    void connectHandlers();
    void FormCreate();
    void fitFontToCaptions();
    void centreOnScreen();

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

    // Runs a command, showing an error that ends it in the general error box.
    void runCommand(const std::function<void()>& command);

    AlbumState state_;
    QTabWidget* PG = nullptr;
    OptionsPage options_;
    CommentEditor* commentEditor_ = nullptr;
    LookPage look_;
    HelpView* reHelp = nullptr;
    QLabel* Image1 = nullptr;

    bool buildRunning_ = false;
    bool closeAfterBuild_ = false;
    bool loadEnabledBuild_ = false;
};

} // namespace vistarel
