#pragma once

#include "build/CompileRequest.h"
#include "common/ZepError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class CompileProgress;
class MenuProject;
class Prompter;

// Turns the project into a folder to burn: autorun.inf, the zep folder with the
// player copy carrying the menu data, the media files and the runtime files. The
// compile dialog, the test run, exports and zepc all drive this one engine.
class CompileEngine
{
public:
    static const QStringList &runtimeFiles();

    // programFolder holds the players, the runtime files, install.bat and autorun.ico.
    CompileEngine(const MenuProject &project, Prompter &prompter, QString programFolder);

    void setProgress(CompileProgress *progress) { m_progress = progress; }
    // The main window's "Obliger à configurer un fichier pour chaque bouton multimédia".
    void setRequireMultimediaFiles(bool on) { m_requireMultimediaFiles = on; }

    // True when the folder was written; failed() tells a refusal that is a failure.
    bool compile(CompileRequest &request);
    // The compile-failed flag.
    bool failed() const { return m_failed; }

    // The folder that relative references of the project resolve against.
    QString projectFolder() const;
    QString resolve(const QString &reference) const;

    // A sub menu name must stay a plain file name inside the zep folder.
    static bool isSafeSubMenuName(const QString &name);

private:
    bool checkFolder(CompileRequest &request);
    bool refuseFolder();
    bool checkMultimediaFiles();
    bool checkTarget(const CompileRequest &request);
    ZepError writeFolder(const CompileRequest &request);
    ZepError copyMainMenuFiles(const CompileRequest &request);
    ZepError copyImages();
    ZepError copySounds();
    ZepError appendMenuData(const CompileRequest &request);
    static bool alsoStartsOnLinux(const CompileRequest &request);
    void finish(const CompileRequest &request);

    // The copy step of a file of the program folder.
    ZepError copyProgramFile(const QString &name);
    ZepError copyToZep(const QString &source, const QString &targetName);
    ZepError copyReference(const QString &reference);

    void status(const QString &text, int colour = -1);
    void step(const QString &text);

    const MenuProject &m_project;
    Prompter &m_prompter;
    QString m_programFolder;
    CompileProgress *m_progress = nullptr;
    bool m_requireMultimediaFiles = false;
    bool m_failed = false;
    QString m_zepFolder;
    QString m_playerCopy;
};
