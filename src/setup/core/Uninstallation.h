#pragma once

#include "common/ZepError.h"
#include "setup/core/SetupPlaces.h"

// Removes an installation from the folder the installer runs in.
class Uninstallation
{
public:
    // `folder` is the installation folder, ending with "/".
    Uninstallation(SetupPlaces places, QString folder);

    // Removes the menu group, the files of the folder and the desktop entry. Every
    // deletion is tried whatever failed before.
    void removeInstallation();
    // Writes the clean-up script that removes the folder's remaining content.
    ZepError writeCleanupScript();
    QString cleanupScriptPath() const;

private:
    SetupPlaces m_places;
    QString m_folder;
};
