#pragma once

class QCoreApplication;

namespace vistarel {

// Qt's own texts (the folder and colour pickers, every edit's context menu) in Czech, from
// Qt's translation "qtbase_cs" where the system keeps Qt's translations. False when that
// file is missing; the program then runs with Qt's English texts.
bool installQtTranslation(QCoreApplication& application);

} // namespace vistarel
