#include "framework/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vesk {

QTranslator* InstallQtTranslations(QCoreApplication& application, const QLocale& locale, const QString& folder)
{
    const QString from = folder.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : folder;
    auto* translator = new QTranslator(&application);
    // "qt_zh_CN.qm" and friends; QTranslator tries the locale's UI languages in order.
    if (!translator->load(locale, QStringLiteral("qt"), QStringLiteral("_"), from)) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace vesk
