#include "setup/core/Shortcuts.h"

#include "common/LineWriter.h"
#include "common/SaveFile.h"

#include <QFile>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace shortcuts {

namespace {

bool isAddress(const QString &target)
{
    return target.startsWith(u"http://"_s) || target.startsWith(u"https://"_s);
}

// Exec arguments are quoted, with the characters the entry format reserves escaped.
QString execArgument(const QString &path)
{
    QString quoted = path;
    for (const QChar c : {u'\\', u'"', u'`', u'$'})
        quoted.replace(c, u"\\"_s + c);
    return u'"' + quoted + u'"';
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

ZepError writeDesktopEntry(const QString &where, const QString &name, const QString &target, const QString &icon)
{
    QString text = u"[Desktop Entry]\n"_s;
    if (isAddress(target))
        text += u"Type=Link\nURL="_s + target + u'\n';
    else
        text += u"Type=Application\nExec="_s + execArgument(target) + u'\n';
    text += u"Name="_s + name + u'\n';
    if (!icon.isEmpty())
        text += u"Icon="_s + icon + u'\n';
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
