#pragma once

#include "build/CdFolder.h"
#include "build/CompileOutcome.h"

#include <QString>

#include <optional>

class CompileProgress;
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

    // What the author chose; run() asks nothing more.
    struct Request
    {
        Kind kind = Kind::executable();
        QString folder; // an existing folder; its earlier zep folder is replaced
        QString projectName;
        QString author;
        QString name; // the program's name, before "." + the kind's extension
        bool light = false;
    };

    // The designer's questions, in their order; nothing when the author cancelled one.
    static std::optional<Request> ask(Prompter &prompter, const Kind &kind);

    ExecutableExport(const MenuProject &project, QString projectFolder, QString programFolder);

    void setRequireMultimediaFiles(bool on) { m_requireMultimediaFiles = on; }
    void setProgress(CompileProgress *progress) { m_progress = progress; }

    CompileOutcome run(const Request &request);
    // The program file written, once run() succeeded.
    QString programFile() const { return m_programFile; }

private:
    static QString askFolder(Prompter &prompter, const Kind &kind);
    static bool keepOnlyTheProgram(const CdFolder &cd, const QString &name);

    const MenuProject &m_project;
    QString m_projectFolder;
    QString m_programFolder;
    bool m_requireMultimediaFiles = false;
    CompileProgress *m_progress = nullptr;
    QString m_programFile;
};
