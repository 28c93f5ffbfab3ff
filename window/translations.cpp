#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QString InstallTranslations(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return {};
        auto* window = new QTranslator(QCoreApplication::instance());
        if (!window->load(
                locale, QStringLiteral("dewpoint-converter"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
            delete window;
            continue;
        }
        QCoreApplication::installTranslator(window);
        auto* toolkit = new QTranslator(QCoreApplication::instance());
        if (toolkit->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(toolkit);
        else
            delete toolkit;
        return window->language();
    }
    return {};
}
