#include "common/Version.h"
#include "ui/dialogs/QtTranslation.h"
#include "ui/window/Vistarel_u.h"

#include <QApplication>
#include <QIcon>
#include <csignal>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so it works without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("vistarel %s\n", vistarel::kProgramVersion);
            return 0;
        }
    }
    // A file-size limit fails the write, which is reported, rather than ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vistarel"));
    vistarel::installQtTranslation(app);
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/vistarel-%1.png").arg(size));
    QApplication::setWindowIcon(icon);
    vistarel::TfVL window;
    window.show();
    return QApplication::exec();
}
