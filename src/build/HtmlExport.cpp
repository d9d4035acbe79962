#include "build/HtmlExport.h"

#include "build/HtmlLauncher.h"
#include "common/PathText.h"
#include "common/Phrases.h"
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
    QString folder = pathtext::toHost(
        m_prompter.input({Phrases::text(Phrase::FolderQuestion), QString(), m_defaultFolder}).trimmed());
    if (folder.isEmpty())
        return false;
    if (!folder.endsWith(u'/'))
        folder += u'/';
    if (!QFileInfo(folder).isDir()) {
        m_prompter.message(Phrases::text(Phrase::TheFolder) + folder + Phrases::text(Phrase::DoesNotExist),
                           Phrases::text(Phrase::ErrorBang), MessageIcon::Critical);
        return false;
    }
    const ZepError error = HtmlLauncher(m_project).writeInto(folder);
    if (error.isError()) {
        m_prompter.message(Phrases::text(Phrase::CannotWrite) + folder + HtmlLauncher::kFileName + u" ("_s +
                               error.description + u')',
                           Phrases::text(Phrase::ErrorBang), MessageIcon::Critical);
        return false;
    }
    return true;
}
