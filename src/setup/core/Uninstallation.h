#pragma once

#include "common/ZepError.h"
#include "setup/core/SetupPlaces.h"

#include <QStringList>

// Removes an installation from the folder the installer runs in: the entries it made and
// the files it wrote, never a file it did not write.
class Uninstallation
{
public:
    // `folder` is the installation folder, ending with "/".
    Uninstallation(SetupPlaces places, QString folder);

    // False for the root and the home folder, where nothing is removed.
    bool isAllowed() const;
    // Removes the menu group, the desktop entry, the files the installation recorded and
    // the sub-folders they leave empty. Every deletion is tried whatever failed before.
    void removeInstallation();
    // Writes the clean-up script that removes those files still there (in use).
    ZepError writeCleanupScript();
    QString cleanupScriptPath() const;

private:
    bool liesInside(const QString &file) const;

    SetupPlaces m_places;
    QString m_folder;
    QStringList m_files;
};
