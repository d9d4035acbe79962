#include "setup/core/Shortcuts.h"

#include "common/DesktopEntryText.h"
#include "common/LineWriter.h"
#include "common/SaveFile.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace shortcuts {

namespace {

bool isAddress(const QString &target)
{
    return target.startsWith(u"http://"_s) || target.startsWith(u"https://"_s);
}

} // namespace

ZepError writeInternetShortcut(const QString &where, const QString &target, const QString &icon, int iconIndex)
{
    LineWriter out;
    out.line(u"[InternetShortcut]"_s).line(u"URL="_s + target);
    if (!icon.isEmpty())
        out.line(u"IconFile="_s + icon).line(u"IconIndex="_s + QString::number(iconIndex));
    return saveFileAtomically(where + u".url"_s, out.bytes());
}

ZepError writeDesktopEntry(const QString &where, const QString &name, const QString &target,
                           const QString &categories, const QString &icon)
{
    const QString command = isAddress(target) ? u"xdg-open "_s + desktopentry::quotedArgument(target)
                                              : desktopentry::quotedArgument(target);
    QString text = u"[Desktop Entry]\nType=Application\nName="_s + desktopentry::escaped(name) + u"\nExec="_s +
                   desktopentry::escaped(command) + u'\n';
    if (!icon.isEmpty())
        text += u"Icon="_s + desktopentry::escaped(icon) + u'\n';
    text += u"Categories="_s + categories + u'\n';
    const QString path = where + u".desktop"_s;
    const ZepError error = saveFileAtomically(path, text.toUtf8());
    if (!error.isError())
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    return error;
}

void removeEntry(const QString &where)
{
    QFile::remove(where + u".url"_s);
    QFile::remove(where + u".desktop"_s);
}

} // namespace shortcuts
