#pragma once

#include <QString>
#include <QStringList>

class QObject;

// Qt's own texts (the Oui/Non/Annuler buttons, the colour, font and file dialogs, the
// names of keys in menus) in the language the program speaks.
namespace qtdialoglanguage {

// Where Qt's translation files are looked for, first found first: Qt's own folder
// (a disc's qt.conf points it at the disc's copy), then a runtime beside the program.
QStringList folders(const QString &programFolder);

// Installs Qt's translations for language ("fr", "en"…) from the first folder that holds
// them; the translators live as long as owner. English is Qt's own: nothing to load.
// False when no translation was found.
bool install(const QString &language, const QStringList &folders, QObject *owner);

} // namespace qtdialoglanguage
