#pragma once

#include <QList>
#include <QString>

class MenuProject;

// Every file a project names that must be there when the menu is built.
struct FileReference
{
    QString reference; // as stored
    QString resolved;  // ready to open
};

QList<FileReference> projectFileReferences(const MenuProject &project, const QString &projectFolder);
