#include "app/window/desktop_integration.h"

#include "framework/qt_translations.h"

#include <QApplication>
#include <QTranslator>

namespace vesk::app {

DesktopIntegration::DesktopIntegration(QApplication& application, OptionStore& options, const QLocale& locale)
    : m_folders(options)
{
    m_translator = InstallQtTranslations(application, locale);
    SetDialogFolders(&m_folders);
}

DesktopIntegration::~DesktopIntegration()
{
    SetDialogFolders(nullptr);
    delete m_translator; // removes itself from the application
}

} // namespace vesk::app
