#include "setup/core/Destination.h"

#include "setup/core/SetupPlaces.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace destination {

bool isAcceptable(const QString &folder)
{
    if (folder.startsWith(u"//"_s) || folder.startsWith(u"\\\\"_s))
        return false;
    return folder.startsWith(u'/');
}

ZepError createLevels(const QString &folder)
{
    for (qsizetype end = folder.indexOf(u'/', 1); end != -1; end = folder.indexOf(u'/', end + 1)) {
        const QString level = folder.left(end + 1);
        const QFileInfo info(level);
        if (info.isDir())
            continue;
        if (info.exists() || !QDir().mkdir(level))
            return ZepError::about(ErrorCode::PathNotFound, level);
    }
    return {};
}

QString defaultFolder()
{
    return withFinalSeparator(QDir::homePath()) + u"ZEP/"_s;
}

} // namespace destination
