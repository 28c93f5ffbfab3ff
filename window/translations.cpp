#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const QString kCatalogues = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("dewpoint-converter_");

// The languages of the catalogues built in: "de", "pt_BR", …
QStringList BuiltInLanguages()
{
    QStringList languages;
    for (const QString& file : QDir(kCatalogues).entryList({kPrefix + QStringLiteral("*.qm")}, QDir::Files))
        languages << file.mid(kPrefix.size()).chopped(3);
    return languages;
}

}  // namespace

QString CatalogueFor(const QLocale& wanted, const QStringList& languages)
{
    QString sameScript;
    for (const QString& language : languages) {
        const QLocale catalogue(language);
        if (catalogue.language() != wanted.language() || catalogue.script() != wanted.script())
            continue;
        if (catalogue.territory() == wanted.territory())
            return language;
        if (sameScript.isEmpty())
            sameScript = language;
    }
    return sameScript;
}

QString InstallTranslations(const QStringList& uiLanguages)
{
    const QStringList languages = BuiltInLanguages();
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return {};
        QString language = CatalogueFor(locale, languages);
        if (language.isEmpty())
            continue;
        auto* window = new QTranslator(QCoreApplication::instance());
        if (!window->load(kPrefix + language, kCatalogues)) {
            delete window;
            continue;
        }
        QCoreApplication::installTranslator(window);
        // The toolkit's own texts in the user's variant where Qt has it, else in the catalogue's.
        auto* toolkit = new QTranslator(QCoreApplication::instance());
        const QString toolkitFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (toolkit->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), toolkitFolder)
            || toolkit->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"), toolkitFolder))
            QCoreApplication::installTranslator(toolkit);
        else
            delete toolkit;
        return language;
    }
    return {};
}
