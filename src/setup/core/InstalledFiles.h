#pragma once

#include "common/ZepError.h"

#include <QStringList>

// "desinstall.lst", beside the uninstall record: the files the installation wrote into
// its folder, one relative path a line. The uninstaller deletes those and nothing else.
namespace installedfiles {

QString fileName();

// The paths recorded in `folder`; an entry that would lead out of the folder is left out.
QStringList read(const QString &folder);
ZepError write(const QString &folder, const QStringList &files);

// The sub-folders holding `files`, deepest first.
QStringList foldersOf(const QStringList &files);

} // namespace installedfiles
