#include "setup/core/Uninstallation.h"

#include "setup/core/CleanupScript.h"
#include "setup/core/InstalledFiles.h"
#include "setup/core/MenuGroup.h"
#include "setup/core/Shortcuts.h"
#include "setup/core/UninstallRecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

Uninstallation::Uninstallation(SetupPlaces places, QString folder)
    : m_places(std::move(places)), m_folder(std::move(folder)), m_files(installedfiles::read(m_folder))
{
}

bool Uninstallation::isAllowed() const
{
    return !cleanupscript::isProtected(m_folder);
}

void Uninstallation::removeInstallation()
{
    if (!isAllowed())
        return;
    QDir group(m_places.groupFolder());
    for (const QString &entry : group.entryList({u"*.url"_s, u"*.desktop"_s}, QDir::Files))
        group.remove(entry);
    QDir().rmdir(m_places.groupFolder());
    menugroup::remove(m_places);

    for (const QString &file : m_files) {
        if (liesInside(file))
            QFile::remove(m_folder + file);
    }
    QFile::remove(m_folder + uninstallrecord::fileName());
    QFile::remove(m_folder + installedfiles::fileName());
    for (const QString &sub : installedfiles::foldersOf(m_files))
        QDir().rmdir(m_folder + sub);

    shortcuts::removeEntry(m_places.desktopFolder + u"ZEP - Créateur de menus"_s);
}

// A sub-folder replaced by a link must not lead the deletion out of the installation.
bool Uninstallation::liesInside(const QString &file) const
{
    const QString root = QFileInfo(m_folder).canonicalFilePath();
    const QString parent = QFileInfo(QFileInfo(m_folder + file).path()).canonicalFilePath();
    return !root.isEmpty() && (parent == root || parent.startsWith(root + u'/'));
}

ZepError Uninstallation::writeCleanupScript()
{
    QStringList left;
    for (const QString &file : m_files) {
        const QFileInfo info(m_folder + file);
        if ((info.exists() || info.isSymLink()) && liesInside(file))
            left << file;
    }
    return cleanupscript::write(m_folder, left);
}

QString Uninstallation::cleanupScriptPath() const
{
    return m_folder + cleanupscript::fileName();
}
