#include "setup/core/CleanupScript.h"

#include "common/SaveFile.h"
#include "setup/core/InstalledFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace cleanupscript {

namespace {

QString shellQuoted(const QString &text)
{
    QString quoted = text;
    quoted.replace(u'\'', u"'\\''"_s);
    return u'\'' + quoted + u'\'';
}

} // namespace

QString fileName()
{
    return u"fin_install.sh"_s;
}

bool isProtected(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() || canonical == u"/"_s || canonical == QFileInfo(QDir::homePath()).canonicalFilePath();
}

QByteArray text(const QString &folder, const QStringList &files)
{
    QString folderPath = folder;
    while (folderPath.size() > 1 && folderPath.endsWith(u'/'))
        folderPath.chop(1);
    QStringList lines = {
        u"#!/bin/sh"_s,
        u"clear 2>/dev/null"_s,
        u"echo \"Fin de la desinstallation de zep...\""_s,
        u"echo \"(ne vous pre-occupez des erreurs eventuelles)\""_s,
        u"printf 'Appuyez sur Entree pour continuer...'"_s,
        u"read -r answer"_s,
        u"echo"_s,
        u"echo"_s,
        u"echo"_s,
        u"echo"_s,
        u"folder="_s + shellQuoted(folderPath),
        u"cd -- \"$folder\" || exit 1"_s,
        u"here=$(pwd -P)"_s,
        u"if [ \"$here\" = / ] || [ \"$here\" = \"$(cd -- \"$HOME\" && pwd -P)\" ]; then exit 1; fi"_s,
        u"[ -f ./"_s + fileName() + u" ] || exit 1"_s,
        u"{"_s,
    };
    for (const QString &file : files)
        lines << u"rm -f -- "_s + shellQuoted(u"./"_s + file);
    for (const QString &sub : installedfiles::foldersOf(files))
        lines << u"rmdir -- "_s + shellQuoted(u"./"_s + sub);
    lines << u"rm -f -- ./"_s + fileName() << u"} >/dev/null 2>&1"_s << u"clear 2>/dev/null"_s
          << u"echo \"Desinstallation de ZEP terminee !\""_s;
    return (lines.join(u'\n') + u'\n').toUtf8();
}

ZepError write(const QString &folder, const QStringList &files)
{
    if (isProtected(folder))
        return ZepError::about(ErrorCode::PathFileAccess, folder);
    const QString path = folder + fileName();
    const ZepError error = saveFileAtomically(path, text(folder, files));
    if (!error.isError())
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    return error;
}

} // namespace cleanupscript
