#pragma once

#include <QString>

// The designer writes its options, appearances, plug-in list and test folder into its
// program folder. Installed system-wide, that folder is read-only: each user then works
// in a folder of their own that links to every file of the real one.
namespace userprogramfolder {

// `programFolder` itself when it can be written; otherwise `userFolder`, filled with a
// link to each entry of the program folder that is not there yet. Both end with "/".
QString choose(const QString &programFolder, const QString &userFolder);

// Fills `userFolder` with a link to each entry of the program folder but the files the
// designer writes, keeping the user's own files; returns `userFolder`.
QString linkEntries(const QString &programFolder, const QString &userFolder);

// The per-user folder of this system (under the user's data folder).
QString defaultUserFolder();

} // namespace userprogramfolder
