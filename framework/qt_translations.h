#pragma once
// Qt's own translations (the standard dialogs' buttons and labels) for a
// locale, read from Qt's translations folder. The program's own texts are
// not translated; only what Qt draws itself follows the user's language.

#include <QLocale>

class QCoreApplication;
class QTranslator;

namespace vesk {

// Loads the "qt" catalogue for locale (it pulls in qtbase and the other
// modules' catalogues) and installs it in application, which owns it.
// Returns the installed translator, or null when the folder holds no
// catalogue for the locale (English stays); folder empty: Qt's translations
// folder. Deleting the translator takes the translation away again.
QTranslator* InstallQtTranslations(QCoreApplication& application, const QLocale& locale, const QString& folder = {});

} // namespace vesk
