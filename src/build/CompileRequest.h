#pragma once

#include <QString>

class MenuProject;

// The compile dialog's fields, as the engine reads them.
struct CompileRequest
{
    static inline const QString kDefaultSubMenuName = QStringLiteral("SousMenu1");

    QString folder; // the CD folder; completed with a final separator by the engine
    QString projectName;
    QString author;
    bool light = false; // "Ne pas copier les fichiers 'RUNTIME'"
    bool subMenu = false;
    QString subMenuName = kDefaultSubMenuName;

    // The values the dialog starts with for this project.
    static CompileRequest defaultsFor(const MenuProject &project);
    static QString defaultProjectName(const MenuProject &project);
    static QString defaultAuthor(const MenuProject &project);
};
