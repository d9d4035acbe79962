#pragma once

#include "build/CompileOutcome.h"

#include <QString>

class BuildHooks;
class MenuProject;
class Prompter;

// The menu as one program file to start by hand: the compilation into a chosen folder,
// without autorun.inf, the player copy renamed to the author's name and extension.
class ExecutableExport
{
public:
    // The kind word enters the prompts and the final message with the extension.
    struct Kind
    {
        QString word;
        QString extension;

        static Kind executable();
        static Kind screenSaver();
    };

    ExecutableExport(const MenuProject &project, QString projectFolder, Prompter &prompter, QString programFolder,
                     BuildHooks &hooks, Kind kind);

    void setRequireMultimediaFiles(bool on) { m_requireMultimediaFiles = on; }

    // Asks its questions through the prompter; declined when the author cancelled.
    CompileOutcome run();
    // The program file written, once run() succeeded.
    QString programFile() const { return m_programFile; }

private:
    QString askFolder();
    void removeEarlierMenu(const QString &folder);
    bool keepOnlyTheProgram(const QString &folder, const QString &name);

    const MenuProject &m_project;
    QString m_projectFolder;
    Prompter &m_prompter;
    QString m_programFolder;
    BuildHooks &m_hooks;
    Kind m_kind;
    bool m_requireMultimediaFiles = false;
    QString m_programFile;
};
