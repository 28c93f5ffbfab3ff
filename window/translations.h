#pragma once

#include <QString>
#include <QStringList>

// Installs the window's catalogue, and Qt's own for the buttons of its
// message box, for the first of the user's languages (most wanted first, as
// QLocale::uiLanguages() gives them) that the window speaks. English is the
// language it is written in: where it comes first, nothing is loaded.
// Returns the catalogue's language ("de", "pt_BR"), or an empty string.
// Call after the application object exists.
QString InstallTranslations(const QStringList& uiLanguages);
