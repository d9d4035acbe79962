#include "setup/core/MenuGroup.h"

#include "common/DesktopEntryText.h"
#include "common/SaveFile.h"
#include "setup/core/SetupPlaces.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace menugroup {

QString category()
{
    return u"X-ZEP"_s;
}

QString directoryFileName()
{
    return u"zep-createur-de-menus.directory"_s;
}

QString menuFileName()
{
    return u"zep-createur-de-menus.menu"_s;
}

QByteArray directoryEntry(const QString &icon)
{
    return (u"[Desktop Entry]\nType=Directory\nName="_s + SetupPlaces::groupName() + u"\nIcon="_s +
            desktopentry::escaped(icon) + u'\n')
        .toUtf8();
}

QByteArray mergeFile()
{
    return (u"<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
            u" \"http://www.freedesktop.org/standards/menu-spec/1.0/menu.dtd\">\n"
            u"<Menu>\n"
            u"  <Name>Applications</Name>\n"
            u"  <Menu>\n"
            u"    <Name>"_s +
            SetupPlaces::groupName() + u"</Name>\n    <Directory>"_s + directoryFileName() +
            u"</Directory>\n    <Include>\n      <Category>"_s + category() +
            u"</Category>\n    </Include>\n  </Menu>\n</Menu>\n"_s)
        .toUtf8();
}

ZepError write(const SetupPlaces &places, const QString &icon)
{
    QDir().mkpath(places.directoriesFolder);
    QDir().mkpath(places.menusFolder);
    if (const ZepError error = saveFileAtomically(places.directoriesFolder + directoryFileName(), directoryEntry(icon));
        error.isError())
        return error;
    return saveFileAtomically(places.menusFolder + menuFileName(), mergeFile());
}

void remove(const SetupPlaces &places)
{
    QFile::remove(places.menusFolder + menuFileName());
    QFile::remove(places.directoriesFolder + directoryFileName());
}

} // namespace menugroup
