#include "project/RelativeReference.h"

#include "common/PathText.h"
#include "project/ProjectLocation.h"

#include <QDir>
#include <QFileInfo>

RelativeReference::RelativeReference(const ProjectLocation &current, const QString &targetPath)
    : m_oldFolder(current.folder())
{
    // The listing gives each name exactly as the file system spells it.
    const QDir targetFolder = QFileInfo(pathtext::toHost(targetPath)).absoluteDir();
    const QStringList names = targetFolder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    m_namesBesideTarget = QSet<QString>(names.begin(), names.end());
}

QString RelativeReference::write(const QString &reference) const
{
    if (reference.isEmpty())
        return {};
    const QString full = pathtext::hasSeparator(reference) ? reference : m_oldFolder + reference;
    const QString name = pathtext::nameOf(full);
    if (m_namesBesideTarget.contains(name))
        return name;
    return pathtext::toHost(full);
}
