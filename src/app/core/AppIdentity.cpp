#include "app/core/AppIdentity.h"

#include "common/PathText.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace appid {

QString applicationTitle()
{
    return u"ZEP - création"_s;
}

QString programFolder()
{
    return withTrailingSeparator(QCoreApplication::applicationDirPath());
}

QString programFileName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

QString withTrailingSeparator(const QString &folder)
{
    if (folder.isEmpty() || pathtext::isSeparator(folder.back()))
        return folder;
    return folder + u'/';
}

} // namespace appid
