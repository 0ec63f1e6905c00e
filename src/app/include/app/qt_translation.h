// The language of the window and the command line: the program's own
// translation and Qt's (the edit line's context menu, standard buttons and
// dialogs), in the same language.
#pragma once

#include "platform/language_choice.h"

#include <QString>

class QApplication;
class QCoreApplication;

// Loads Qt's Norwegian translation, Bokmål where it is installed, else
// Nynorsk (Debian ships only that, in qt6-translations-l10n), and installs it
// in `app`. Returns the file loaded; empty when none is installed, and Qt
// then speaks English.
QString installQtTranslation(QCoreApplication &app);

// Puts `language` in place in `app`, instead of any language installed
// before. Norwegian is the program's source language: no translation of its
// own texts is loaded then, only Qt's Norwegian one. English loads the
// program's English translation (Qt's own texts are English already);
// German the program's and Qt's German ones. Returns whether the program's
// translation was found (always true for Norwegian).
bool installTranslations(QCoreApplication &app, uilanguage::Language language);

// What every start of the window sets up: the program's names, the Fusion
// style (the window's light look) and the language.
void setUpApplication(QApplication &app, uilanguage::Language language = uilanguage::Language::Norwegian);
