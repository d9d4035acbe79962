#pragma once

#include <QString>

class MenuProject;

// Reads a project without a person: every reading-error box is printed and answered
// Yes, so reading goes as far as it can.
struct HeadlessRead
{
    bool completed = false; // the end of the file was reached
    int problems = 0;

    bool clean() const { return completed && problems == 0; }

    static HeadlessRead open(MenuProject &project, const QString &path);
    // Where the references of a project read this way lie: beside its file.
    static QString folderOf(const MenuProject &project);
};
