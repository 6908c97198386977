#include "ui/window/HelpView.h"

#include "common/FileSystem.h"
#include "common/Messages.h"
#include "common/Outcome.h"
#include "help/RtfReader.h"

namespace vistarel {
namespace {

QFont helpFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(21);
    font.setBold(true);
    return font;
}

} // namespace

HelpView::HelpView(FrontEnd& frontEnd, QWidget* parent)
    : QTextBrowser(parent), frontEnd_(frontEnd) {
    setObjectName(QStringLiteral("reHelp"));
    setReadOnly(true);
    setOpenLinks(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFont(helpFont());
}

void HelpView::LoadHelp() {
    clear();
    const std::string path = programFolder() + "help.rtf";
    if (!fileExists(path)) {
        showWarning(frontEnd_,
                    std::string("Nápověda nenalezena!") + kCrLf + "Musíte si poradit bez ní :-D");
        return;
    }
    try {
        setHtml(QString::fromStdString(rtfToHtml(readFileBytes(path))));
    } catch (...) {
        reportFailure(frontEnd_, std::current_exception());
    }
}

} // namespace vistarel
