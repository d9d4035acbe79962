#include "build/HtmlExport.h"

#include "build/HtmlLauncher.h"
#include "common/PathText.h"
#include "prompt/Prompter.h"

#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

QString HtmlExport::desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation) + u'/';
}

bool HtmlExport::run()
{
    QString folder = pathtext::toHost(m_prompter.input({u"rep ?"_s, QString(), m_defaultFolder}).trimmed());
    if (folder.isEmpty())
        return false;
    if (!folder.endsWith(u'/'))
        folder += u'/';
    if (!QFileInfo(folder).isDir()) {
        m_prompter.message(u"Le dossier "_s + folder + u" n'existe pas !"_s, u"Erreur !"_s, MessageIcon::Critical);
        return false;
    }
    const ZepError error = HtmlLauncher(m_project).writeInto(folder);
    if (error.isError()) {
        m_prompter.message(u"Impossible d'écrire "_s + folder + HtmlLauncher::kFileName + u" ("_s +
                               error.description + u')',
                           u"Erreur !"_s, MessageIcon::Critical);
        return false;
    }
    return true;
}
