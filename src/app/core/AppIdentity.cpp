#include "app/core/AppIdentity.h"

#include "common/PathText.h"
#include "common/Phrases.h"
#include "common/ProgramVersion.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace appid {

QString applicationTitle()
{
    return Phrases::text(Phrase::ZepCreation);
}

QString windowCaption(const QString &description)
{
    return u"ZEP v"_s + version::majorMinor() + u" - "_s +
           (description.isEmpty() ? u"créateur de menus"_s : description);
}

QString documentTitle(const QString &caption, const QString &projectPath, bool modified)
{
    QString title = caption;
    if (!projectPath.isEmpty())
        title += u" — "_s + pathtext::nameOf(projectPath);
    if (modified)
        title += u" *"_s;
    return title;
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
