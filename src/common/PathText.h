#pragma once

#include <QString>
#include <QStringView>

// File references as the project stores them: "\" and "/" both separate folders.
namespace pathtext {

bool isSeparator(QChar c);
bool hasSeparator(QStringView path);
qsizetype lastSeparator(QStringView path);

// The part up to and including the last separator; empty when there is none.
QString folderOf(const QString &path);
// The part after the last separator.
QString nameOf(const QString &path);

// A path in this system's form: "\" becomes "/".
QString toHost(const QString &path);
bool isAbsolute(const QString &path);

// A reference as the file system should open it: relative ones against folder.
QString resolve(const QString &folder, const QString &reference);

} // namespace pathtext
