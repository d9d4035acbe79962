#include "project/ProjectLocation.h"

#include "common/PathText.h"

#include <QFileInfo>

ProjectLocation::ProjectLocation(QString projectPath, QString unsavedFolder)
    : m_projectPath(std::move(projectPath)), m_unsavedFolder(std::move(unsavedFolder))
{
    if (!m_unsavedFolder.isEmpty() && !m_unsavedFolder.endsWith(u'/'))
        m_unsavedFolder += u'/';
}

QString ProjectLocation::folder() const
{
    if (m_projectPath.isEmpty())
        return m_unsavedFolder;
    return QFileInfo(pathtext::toHost(m_projectPath)).absolutePath() + u'/';
}

QString ProjectLocation::resolve(const QString &reference) const
{
    return pathtext::resolve(folder(), reference);
}
