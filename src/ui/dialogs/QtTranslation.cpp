#include "ui/dialogs/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace vistarel {

bool installQtTranslation(QCoreApplication& application) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_cs"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    // The application owns the translator, so it lives as long as the texts are used.
    translator->setParent(&application);
    return QCoreApplication::installTranslator(translator.release());
}

} // namespace vistarel
