#pragma once

#include "common/ZepError.h"

#include <QString>

// The entries the installer puts in the menu group and on the desktop: the Internet-shortcut
// files of the Windows package, and beside each a freedesktop entry that works here.
namespace shortcuts {

// `where` + ".url": "[InternetShortcut]", "URL=" + target, and the icon lines when an icon
// is given. Replaces an existing file.
ZepError writeInternetShortcut(const QString &where, const QString &target, const QString &icon = {},
                               int iconIndex = 0);

// `where` + ".desktop": an application entry that starts the program `target`, or opens
// it in the browser when it is a web address. `categories` ends with ";".
ZepError writeDesktopEntry(const QString &where, const QString &name, const QString &target,
                           const QString &categories, const QString &icon = {});

// Removes both files of an entry; a missing file is no failure.
void removeEntry(const QString &where);

} // namespace shortcuts
