#include "app/core/UserProgramFolder.h"

#include "app/core/AppIdentity.h"
#include "common/DesignerFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace userprogramfolder {

QString choose(const QString &programFolder, const QString &userFolder)
{
    if (QFileInfo(programFolder).isWritable())
        return programFolder;
    return linkEntries(programFolder, userFolder);
}

QString linkEntries(const QString &programFolder, const QString &userFolder)
{
    QDir().mkpath(userFolder);
    const QDir real(programFolder);
    for (const QString &entry : real.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        // What the designer writes stays the user's own, never a link into the read-only folder.
        if (designerfiles::isWrittenByTheDesigner(entry))
            continue;
        const QString link = userFolder + entry;
        if (!QFileInfo(link).isSymLink() && QFileInfo::exists(link))
            continue; // a file of the user's own, such as the options
        QFile::remove(link);
        QFile::link(real.filePath(entry), link);
    }
    return userFolder;
}

QString defaultUserFolder()
{
    return appid::withTrailingSeparator(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)) +
           u"ZEP/programme/"_s;
}

} // namespace userprogramfolder
