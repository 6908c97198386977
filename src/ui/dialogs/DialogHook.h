#pragma once

#include "common/FrontEnd.h"

#include <QColor>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

class QWidget;

namespace vistarel {

// Every modal dialog of the window goes through here, so widget tests can answer them
// without a human: queue answers, or switch to unattended mode in which nothing is shown
// and every dialog takes its default (OK, No, Cancel).
class DialogHook {
public:
    static DialogHook& instance();

    MessageAnswer message(QWidget* parent, const QString& text, const QString& title,
                          MessageIcon icon, MessageButtons buttons);
    // The chosen folder, or nothing when cancelled.
    std::optional<QString> chooseFolder(QWidget* parent, const QString& prompt,
                                        const QString& startFolder, bool offerNewFolder);
    // The chosen colour, or nothing when cancelled.
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial);

    // For tests.
    struct ShownMessage {
        QString text, title;
        MessageIcon icon;
        MessageButtons buttons;
    };
    void setUnattended(bool unattended) { unattended_ = unattended; }
    void setNextAnswer(MessageAnswer answer) { answers_.push_back(answer); }
    void setNextFolder(std::optional<QString> folder) { folders_.push_back(std::move(folder)); }
    void setNextColor(std::optional<QColor> colour) { colours_.push_back(std::move(colour)); }
    const std::vector<ShownMessage>& shownMessages() const { return shown_; }
    void clearShownMessages() { shown_.clear(); }
    // What the last folder and colour dialogs were asked.
    QString lastFolderPrompt() const { return lastPrompt_; }
    bool lastFolderOfferedNewFolder() const { return lastOfferedNewFolder_; }
    QString lastFolderStart() const { return lastStart_; }
    int folderDialogCount() const { return folderDialogs_; }

private:
    bool unattended_ = false;
    std::deque<MessageAnswer> answers_;
    std::deque<std::optional<QString>> folders_;
    std::deque<std::optional<QColor>> colours_;
    std::vector<ShownMessage> shown_;
    QString lastPrompt_, lastStart_;
    bool lastOfferedNewFolder_ = false;
    int folderDialogs_ = 0;
};

} // namespace vistarel
