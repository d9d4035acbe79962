#include "cli/BuildSupport.h"

#include "build/TransparencyRenderer.h"
#include "cli/HeadlessRead.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace buildsupport {

void prepare(MenuProject &project)
{
    TransparencyRenderer(project, HeadlessRead::folderOf(project)).prepareForBuild();
}

QString earlierMenuKept()
{
    return u"Le dossier contient déjà un dossier 'zep' : ajoutez --force pour le remplacer."_s;
}

bool OutputFolder::make(const QString &path)
{
    QString highest;
    for (QFileInfo folder(path); !folder.exists(); folder = QFileInfo(folder.absolutePath()))
        highest = folder.absoluteFilePath();
    if (!QDir().mkpath(path))
        return false;
    m_created = highest;
    return true;
}

void OutputFolder::discard()
{
    if (!m_created.isEmpty())
        QDir(m_created).removeRecursively();
    m_created.clear();
}

} // namespace buildsupport
