#pragma once

#include <QString>

// The folders the installer reads from and writes into. Folder names end with "/".
struct SetupPlaces
{
    QString sourceFolder;   // where the installer's own program lies
    QString programsFolder; // the user's applications menu
    QString desktopFolder;

    // The installer's own folder and the current user's menu and desktop.
    static SetupPlaces forCurrentUser(const QString &sourceFolder);

    QString groupFolder() const; // the menu group "ZEP - créateur de menus/"
};

// A folder name made to end with "/" (an empty name stays empty).
QString withFinalSeparator(const QString &folder);
