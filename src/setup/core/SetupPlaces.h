#pragma once

#include <QString>

// The folders the installer reads from and writes into. Folder names end with "/".
struct SetupPlaces
{
    QString sourceFolder;   // where the installer's own program lies
    QString programsFolder; // the user's applications menu
    QString desktopFolder;
    QString directoriesFolder; // the menus' group descriptions ("desktop-directories")
    QString menusFolder;       // the merge files of the applications menu

    // The installer's own folder and the current user's menu and desktop.
    static SetupPlaces forCurrentUser(const QString &sourceFolder);

    static QString groupName();  // "ZEP - créateur de menus"
    QString groupFolder() const; // the menu group's folder, groupName() + "/"
};

// A folder name made to end with "/" (an empty name stays empty).
QString withFinalSeparator(const QString &folder);
