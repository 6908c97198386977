#include "ui/dialogs/DialogHook.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace vistarel {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

MessageAnswer showBox(QWidget* parent, const QString& text, const QString& title, MessageIcon icon,
                      MessageButtons buttons) {
    QMessageBox box(boxIcon(icon), title, QString(text).replace("\r\n", "\n"),
                    QMessageBox::NoButton, parent);
    if (buttons == MessageButtons::YesNo) {
        box.addButton(QStringLiteral("&Ano"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("&Ne"), QMessageBox::NoRole);
        box.setDefaultButton(no);
        box.setEscapeButton(no);
        box.exec();
        return box.buttonRole(box.clickedButton()) == QMessageBox::YesRole ? MessageAnswer::Yes
                                                                           : MessageAnswer::No;
    }
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
    return MessageAnswer::Ok;
}

// The next queued answer of a test.
template <class T> std::optional<T> takeFront(std::deque<std::optional<T>>& queue) {
    std::optional<T> next;
    next.swap(queue.front());
    queue.pop_front();
    return next;
}

} // namespace

DialogHook& DialogHook::instance() {
    static DialogHook hook;
    return hook;
}

MessageAnswer DialogHook::message(QWidget* parent, const QString& text, const QString& title,
                                  MessageIcon icon, MessageButtons buttons) {
    shown_.push_back({text, title, icon, buttons});
    if (buttons == MessageButtons::Ok)
        return unattended_ ? MessageAnswer::Ok : showBox(parent, text, title, icon, buttons);
    if (!answers_.empty()) {
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return unattended_ ? MessageAnswer::No : showBox(parent, text, title, icon, buttons);
}

std::optional<QString> DialogHook::chooseFolder(QWidget* parent, const QString& prompt,
                                                const QString& startFolder, bool offerNewFolder) {
    ++folderDialogs_;
    lastPrompt_ = prompt;
    lastStart_ = startFolder;
    lastOfferedNewFolder_ = offerNewFolder;
    if (!folders_.empty())
        return takeFront(folders_);
    if (unattended_)
        return std::nullopt;

    QFileDialog dialog(parent, prompt);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    // Qt's own dialog, because only it lets the new-folder button be taken away.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::ReadOnly, !offerNewFolder);
    if (QDir(startFolder).exists() && !startFolder.isEmpty())
        dialog.setDirectory(startFolder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

std::optional<QColor> DialogHook::chooseColor(QWidget* parent, const QColor& initial) {
    if (!colours_.empty())
        return takeFront(colours_);
    if (unattended_)
        return std::nullopt;
    // Qt's own dialog, which speaks Czech with Qt's translation whatever the desktop's
    // language, as the folder picker does.
    const QColor chosen =
        QColorDialog::getColor(initial, parent, QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

} // namespace vistarel
