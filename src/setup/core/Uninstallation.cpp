#include "setup/core/Uninstallation.h"

#include "setup/core/CleanupScript.h"
#include "setup/core/Shortcuts.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

Uninstallation::Uninstallation(SetupPlaces places, QString folder)
    : m_places(std::move(places)), m_folder(std::move(folder))
{
}

void Uninstallation::removeInstallation()
{
    QDir group(m_places.groupFolder());
    for (const QString &entry : group.entryList({u"*.url"_s, u"*.desktop"_s}, QDir::Files))
        group.remove(entry);
    QDir().rmdir(m_places.groupFolder());

    const QDir folder(m_folder);
    for (const QString &file : folder.entryList(QDir::Files | QDir::Hidden, QDir::Name))
        QFile::remove(m_folder + file);

    shortcuts::removeEntry(m_places.desktopFolder + u"ZEP - Créateur de menus"_s);
}

ZepError Uninstallation::writeCleanupScript()
{
    return cleanupscript::write(m_folder);
}

QString Uninstallation::cleanupScriptPath() const
{
    return m_folder + cleanupscript::fileName();
}
