#include "setup/core/UninstallRecord.h"

#include "common/LineWriter.h"
#include "common/SaveFile.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace uninstallrecord {

QString fileName()
{
    return u"desinstall.zdu"_s;
}

bool liesIn(const QString &folder)
{
    return QFileInfo(folder + fileName()).isFile();
}

ZepError write(const QString &folder)
{
    LineWriter out;
    out.line(u"[Désinstallation]").line(u"produit=zep").line(u"' Installé par l'installateur de ZEP");
    return saveFileAtomically(folder + fileName(), out.bytes());
}

} // namespace uninstallrecord
