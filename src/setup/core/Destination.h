#pragma once

#include "common/ZepError.h"

#include <QString>

// The installation folder typed by the user.
namespace destination {

// Why a folder cannot receive the installation.
enum class Refusal {
    None,
    NotAbsolute,     // relative, or a network name ("\\server", "//server")
    InstallerFolder, // the installer's own folder or one inside it
    NotEmpty,        // holds files but no earlier installation
};

// An absolute path of this system; a relative path or a network name ("\\server",
// "//server") is refused with "Répertoire incorrect !".
bool isAcceptable(const QString &folder);

// Every check made before anything is created or deleted. Both folders end with "/".
Refusal check(const QString &folder, const QString &sourceFolder);

// The message shown for a refusal (empty for `Refusal::None`).
QString refusalText(Refusal refusal, const QString &folder);

// Creates the folder level by level, keeping the levels that exist. The folders made
// before a failure stay.
ZepError createLevels(const QString &folder);

// The default destination: a folder in the user's home.
QString defaultFolder();

} // namespace destination
