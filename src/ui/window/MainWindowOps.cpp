// The operations the core commands use to reach the main window.

#include "ui/editors/CommentEditor.h"
#include "ui/dialogs/DialogHook.h"
#include "ui/button/LbSpeedButton.h"
#include "ui/editors/StyleEditor.h"
#include "ui/window/Vistarel_u.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QProgressBar>
#include <QSlider>
#include <QTabWidget>

namespace vistarel {

MessageAnswer TfVL::showMessage(const std::string& text, const std::string& title, MessageIcon icon,
                                MessageButtons buttons) {
    return DialogHook::instance().message(this, QString::fromStdString(text),
                                          QString::fromStdString(title), icon, buttons);
}

AlbumSettings TfVL::readSettings() const {
    AlbumSettings settings;
    settings.albumName = options_.edtNazevAlba->text().toStdString();
    settings.inputFolder = options_.edtAdrInput->text().toStdString();
    settings.outputFolder = options_.edtAdrOutput->text().toStdString();
    settings.thumbSizeText = options_.cmbNahled->currentText().toStdString();
    settings.photoSizeText = options_.cmbSnimky->currentText().toStdString();
    settings.thumbQuality = look_.tbQNahled->value();
    settings.photoQuality = look_.tbQSnimek->value();
    settings.styleName = options_.cmbStyl->currentText().toStdString();
    return settings;
}

int TfVL::previewBoxHeight() const {
    const auto* box = commentEditor_->findChild<const QWidget*>(QStringLiteral("imgKoment"));
    return box ? box->height() : 186;
}

void TfVL::setBuildEnabled(bool enabled) {
    options_.btnVytvoritAlbum->setEnabled(enabled);
    if (enabled)
        loadEnabledBuild_ = true;
}

void TfVL::setCodeOnlyEnabled(bool enabled) {
    options_.btnPouzeKod->setEnabled(enabled);
}

void TfVL::setBuildRunning(bool running, int photoCount) {
    buildRunning_ = running;
    options_.btnVytvoritAlbum->setVisible(!running);
    options_.btnPouzeKod->setVisible(!running);
    if (running) {
        // A single photo would give the range 0..0, which Qt draws as an endless busy bar.
        options_.pbProces->setRange(0, photoCount > 1 ? photoCount - 1 : 1);
        options_.pbProces->setValue(0);
    }
    options_.pbProces->setVisible(running);
    options_.btnStop->setVisible(running);
    // The catalogue and its folders must not change under a running build.
    for (QWidget* control : {static_cast<QWidget*>(options_.btnNactiKeZprac),
                             static_cast<QWidget*>(options_.btnAdrImput),
                             static_cast<QWidget*>(options_.btnAdrOutput)})
        control->setEnabled(!running);
    if (running)
        processPendingEvents();
}

void TfVL::setProgressPosition(int position) {
    options_.pbProces->setValue(position);
}

void TfVL::showTab(int index) {
    PG->setCurrentIndex(index);
}

void TfVL::processPendingEvents() {
    QCoreApplication::processEvents();
}

void TfVL::pageWritten() {
    options_.btnPouzeKod->setEnabled(true);
}

void TfVL::buildFinished(int photoCount) {
    commentEditor_->ShowFirstPhoto(photoCount);
}

void TfVL::setStyleList(const std::vector<std::string>& names) {
    options_.cmbStyl->clear();
    for (const std::string& name : names)
        options_.cmbStyl->addItem(QString::fromStdString(name));
    options_.cmbStyl->setCurrentIndex(names.empty() ? -1 : 0);
}

std::string TfVL::styleRow(int row) const {
    return look_.styleEditor->rowValue(row).toStdString();
}

void TfVL::setStyleRow(int row, const std::string& value) {
    look_.styleEditor->setRowValue(row, QString::fromStdString(value));
}

void TfVL::setSwatch(int index, std::uint32_t colour) {
    look_.styleEditor->setSwatch(index, colour);
}

} // namespace vistarel
