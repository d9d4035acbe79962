#pragma once

#include "common/ZepError.h"

#include <QByteArray>
#include <QString>

// The script that removes what the uninstaller, still running, could not: the rest of
// the installation folder. It deletes nothing unless it stands in that folder.
namespace cleanupscript {

QString fileName();
QByteArray text(const QString &folder);
// Refuses the root and the home folder themselves (error 75).
ZepError write(const QString &folder);

} // namespace cleanupscript
