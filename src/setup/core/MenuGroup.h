#pragma once

#include "common/ZepError.h"

#include <QByteArray>
#include <QString>

struct SetupPlaces;

// The sub-menu of the applications menu that gathers the installer's entries: a
// directory entry naming it and a merge file that fills it with the entries of the
// category `category()`. Desktop menus do not turn a folder of entries into a group.
namespace menugroup {

QString category();          // "X-ZEP"
QString directoryFileName(); // "zep-createur-de-menus.directory"
QString menuFileName();      // "zep-createur-de-menus.menu"

QByteArray directoryEntry(const QString &icon);
QByteArray mergeFile();

ZepError write(const SetupPlaces &places, const QString &icon);
void remove(const SetupPlaces &places);

} // namespace menugroup
