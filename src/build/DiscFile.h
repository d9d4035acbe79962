#pragma once

#include <QString>

// Systems that read a disc or a USB stick compare names without case, so the program
// finds its own files on a disc whatever case they were written in.
namespace discfile {

// folder's entry named `name` in any case, or folder + name when it has none.
// `folder` ends with "/".
QString find(const QString &folder, const QString &name);
bool exists(const QString &folder, const QString &name);
// Removes every file of folder named `name` in any case.
void remove(const QString &folder, const QString &name);
// Removes the files of folder named `name` in another case than this one, so that
// writing folder + name replaces what was there.
void removeOtherCases(const QString &folder, const QString &name);

} // namespace discfile
