#pragma once

#include <QString>

class MenuProject;

// The compile dialog's fields, as the engine reads them.
struct CompileRequest
{
    static inline const QString kDefaultSubMenuName = QStringLiteral("SousMenu1");
    // Program files of the program folder: the player a disc carries, and the one that
    // runs the menu on this system (test runs, discs for Linux).
    static inline const QString kWindowsPlayer = QStringLiteral("compil.exe");
    static inline const QString kLinuxPlayer = QStringLiteral("compil");

    QString folder; // the CD folder; completed with a final separator by the engine
    QString projectName;
    QString author;
    bool light = false; // "Ne pas copier les fichiers 'RUNTIME'"
    bool subMenu = false;
    QString subMenuName = kDefaultSubMenuName;
    QString player = kWindowsPlayer;

    // The values the dialog starts with for this project.
    static CompileRequest defaultsFor(const MenuProject &project);
    static QString defaultProjectName(const MenuProject &project);
    static QString defaultAuthor(const MenuProject &project);
};
