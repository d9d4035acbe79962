#pragma once

#include "common/ZepError.h"

#include <QByteArray>
#include <QStringList>

// The script that removes what the uninstaller, still running, could not: the files the
// installation wrote, then the sub-folders left empty. It deletes nothing unless it
// stands in that folder, and nothing in the root or the home folder.
namespace cleanupscript {

QString fileName();
// `files` are paths inside `folder`, as the installation recorded them.
QByteArray text(const QString &folder, const QStringList &files);

// The root and the home folder themselves (or a link to them), where nothing is ever
// removed.
bool isProtected(const QString &folder);
// Refuses a protected folder (error 75).
ZepError write(const QString &folder, const QStringList &files);

} // namespace cleanupscript
