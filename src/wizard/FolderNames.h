#pragma once

#include <QHash>
#include <QString>

// The file names handed out in a new project folder. A name stays with the first file
// that takes it; another file wanting it gets a number, so no picture replaces another.
// Names are compared without regard to case, as on the discs the menus are made for.
class FolderNames
{
public:
    struct Claim
    {
        QString name;
        bool alreadyThere = false; // the same source file took this name before
    };

    // source: the file copied under that name; empty for a file made in the folder.
    Claim claim(const QString &wanted, const QString &source = {});

private:
    QHash<QString, QString> m_sources; // lower-case name -> source
};
