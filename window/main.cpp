#include "command_line.h"
#include "form1.h"
#include "translations.h"
#include "window/version.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = HandleCommandLine(argc, argv))
        return *status;
    HoldToolkitStartUpMessages();
    QApplication app(argc, argv);
    ReleaseToolkitStartUpMessages();
    QApplication::setApplicationName(QStringLiteral("dewpoint-converter"));
    QApplication::setApplicationVersion(QString::fromLatin1(kApplicationVersion));
    QApplication::setOrganizationName(QString::fromLatin1(kOrganisationName));
    QApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    InstallTranslations(QLocale().uiLanguages());
    Form1 form;
    form.Form_Load();
    if (form.hasFaulted())
        return Form1::kFaultExitStatus;
    form.show();
    return QApplication::exec();
}
