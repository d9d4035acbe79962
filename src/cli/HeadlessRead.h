#pragma once

#include <QString>

class MenuProject;

// Reads a project without a person: each reading problem is printed on one line,
// "file:line: …", and reading goes on as far as it can.
struct HeadlessRead
{
    bool completed = false; // the end of the file was reached
    int problems = 0;

    bool clean() const { return completed && problems == 0; }

    // path is shown as the caller wrote it.
    static HeadlessRead open(MenuProject &project, const QString &path);
    // Writes the project to path, which it then reads back; false when it could not.
    static bool save(MenuProject &project, const QString &path);
    // Where the references of a project read this way lie: beside its file.
    static QString folderOf(const MenuProject &project);
};
