#pragma once
// What makes the host fit the user's desktop: Qt's own dialogs (file, print,
// message boxes) speak the user's language, and file dialogs open in the
// folder last used for that kind of file, kept in the host's options.
// In force for the object's lifetime; both are taken back when it goes.

#include "app/services/option_store.h"
#include "app/window/option_folder_memory.h"

#include <QLocale>

class QApplication;
class QTranslator;

namespace vesk::app {

class DesktopIntegration {
public:
    // options outlives this object.
    DesktopIntegration(QApplication& application, OptionStore& options, const QLocale& locale = QLocale::system());
    ~DesktopIntegration();
    DesktopIntegration(const DesktopIntegration&) = delete;
    DesktopIntegration& operator=(const DesktopIntegration&) = delete;

    // Whether Qt's translations for the locale were found.
    bool Translated() const { return m_translator != nullptr; }

private:
    OptionFolderMemory m_folders;
    QTranslator* m_translator = nullptr; // owned by the application
};

} // namespace vesk::app
