#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The catalogue, of those in `languages` ("de", "pt_BR", …), that serves a
// reader of `wanted`: one of the same language written in the same script,
// the reader's own region preferred. Portuguese in Portugal reads the
// Brazilian catalogue; Chinese in Taiwan (traditional characters) does not
// read the simplified one. Empty where none serves.
QString CatalogueFor(const QLocale& wanted, const QStringList& languages);

// Installs the window's catalogue, and Qt's own for the buttons of its
// message box, for the first of the user's languages (most wanted first, as
// QLocale::uiLanguages() gives them) that a catalogue serves. English is the
// language it is written in: where it comes first, nothing is loaded.
// Returns the catalogue's language ("de", "pt_BR"), or an empty string.
// Call after the application object exists.
QString InstallTranslations(const QStringList& uiLanguages);
