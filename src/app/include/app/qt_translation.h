// Qt's own texts (the edit line's context menu, standard buttons and dialogs)
// in Norwegian, like the rest of the window.
#pragma once

#include <QString>

class QApplication;
class QCoreApplication;

// Loads Qt's Norwegian translation, Bokmål where it is installed, else
// Nynorsk (Debian ships only that, in qt6-translations-l10n), and installs it
// in `app`. Returns the file loaded; empty when none is installed, and Qt
// then speaks English.
QString installQtTranslation(QCoreApplication &app);

// What every start of the window sets up: the program's names, the Fusion
// style (the window's light look) and Qt's translation.
void setUpApplication(QApplication &app);
