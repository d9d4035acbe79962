#pragma once

#include "common/ZepError.h"

#include <QString>

// The installation folder typed by the user.
namespace destination {

// An absolute path of this system; a relative path or a network name ("\\server",
// "//server") is refused with "Répertoire incorrect !".
bool isAcceptable(const QString &folder);

// Creates the folder level by level, keeping the levels that exist. The folders made
// before a failure stay.
ZepError createLevels(const QString &folder);

// The default destination: a folder in the user's home.
QString defaultFolder();

} // namespace destination
