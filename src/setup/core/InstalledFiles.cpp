#include "setup/core/InstalledFiles.h"

#include "common/SaveFile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace installedfiles {

namespace {

bool staysInside(const QString &entry)
{
    return !entry.isEmpty() && !entry.startsWith(u'/') && QDir::cleanPath(entry) == entry && entry != u".."_s &&
           !entry.startsWith(u"../"_s) && !entry.contains(u'\\');
}

} // namespace

QString fileName()
{
    return u"desinstall.lst"_s;
}

QStringList read(const QString &folder)
{
    QByteArray bytes;
    if (readWholeFile(folder + fileName(), &bytes).isError())
        return {};
    QStringList files;
    for (const QString &line : QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts)) {
        if (staysInside(line) && !files.contains(line))
            files << line;
    }
    return files;
}

ZepError write(const QString &folder, const QStringList &files)
{
    QString text;
    for (const QString &file : files)
        text += file + u'\n';
    return saveFileAtomically(folder + fileName(), text.toUtf8());
}

QStringList foldersOf(const QStringList &files)
{
    QStringList folders;
    for (const QString &file : files) {
        for (QString folder = QFileInfo(file).path(); folder != u"."_s; folder = QFileInfo(folder).path()) {
            if (!folders.contains(folder))
                folders << folder;
        }
    }
    std::stable_sort(folders.begin(), folders.end(),
              [](const QString &a, const QString &b) { return a.count(u'/') > b.count(u'/'); });
    return folders;
}

} // namespace installedfiles
