#include "build/DiscFile.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace {

QStringList entriesNamed(const QString &folder, const QString &name)
{
    QStringList found;
    const QStringList all =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : all) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            found << entry;
    }
    return found;
}

} // namespace

namespace discfile {

QString find(const QString &folder, const QString &name)
{
    const QStringList found = entriesNamed(folder, name);
    // The exact name first, so a folder holding both cases finds what it was asked for.
    return folder + (found.isEmpty() || found.contains(name) ? name : found.first());
}

bool exists(const QString &folder, const QString &name)
{
    return !entriesNamed(folder, name).isEmpty();
}

void remove(const QString &folder, const QString &name)
{
    for (const QString &entry : entriesNamed(folder, name))
        QFile::remove(folder + entry);
}

void removeOtherCases(const QString &folder, const QString &name)
{
    for (const QString &entry : entriesNamed(folder, name)) {
        if (entry != name)
            QFile::remove(folder + entry);
    }
}

} // namespace discfile
