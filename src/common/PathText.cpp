#include "common/PathText.h"

#include <QDir>

namespace pathtext {

bool isSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

qsizetype lastSeparator(QStringView path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (isSeparator(path[i]))
            return i;
    }
    return -1;
}

bool hasSeparator(QStringView path)
{
    return lastSeparator(path) >= 0;
}

QString folderOf(const QString &path)
{
    return path.left(lastSeparator(path) + 1);
}

QString nameOf(const QString &path)
{
    return path.mid(lastSeparator(path) + 1);
}

QString toHost(const QString &path)
{
    QString host = path;
    return host.replace(u'\\', u'/');
}

bool isAbsolute(const QString &path)
{
    return QDir::isAbsolutePath(toHost(path));
}

QString resolve(const QString &folder, const QString &reference)
{
    const QString host = toHost(reference);
    if (host.isEmpty() || QDir::isAbsolutePath(host))
        return host;
    return QDir(toHost(folder)).filePath(host);
}

} // namespace pathtext
