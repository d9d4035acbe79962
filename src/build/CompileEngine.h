#pragma once

#include "build/CdFolder.h"
#include "build/CompileOutcome.h"
#include "build/CompileRequest.h"
#include "common/ZepError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class CompileProgress;
class MenuProject;

// Turns the project into a folder to burn: autorun.inf, the zep folder with the
// player copy carrying the menu data, the media files and the runtime files. The
// compile dialog, the test run, exports and zepc all drive this one engine.
class CompileEngine
{
public:
    static const QStringList &runtimeFiles();

    // Whether an earlier compilation in the CD folder may be replaced; it is kept unless
    // the caller says otherwise.
    using ReplaceDecision = std::function<bool(const QString &cdFolder)>;

    // projectFolder is where the project's relative references lie; programFolder holds
    // the players, the runtime files, install.bat and autorun.ico.
    CompileEngine(const MenuProject &project, QString projectFolder, QString programFolder);

    void setProgress(CompileProgress *progress) { m_progress = progress; }
    // The main window's "Obliger à configurer un fichier pour chaque bouton multimédia".
    void setRequireMultimediaFiles(bool on) { m_requireMultimediaFiles = on; }
    void setReplaceDecision(ReplaceDecision decide) { m_mayReplace = std::move(decide); }

    CompileOutcome compile(CompileRequest &request);
    // The player copy the compilation wrote, or would have written.
    const QString &playerCopy() const { return m_playerCopy; }

    QString resolve(const QString &reference) const;

    // A sub menu name must stay a plain file name inside the zep folder.
    static bool isSafeSubMenuName(const QString &name);

private:
    // Each check gives the refusal, or nothing when the compilation may go on.
    std::optional<CompileOutcome> checkFolder(CompileRequest &request);
    std::optional<CompileOutcome> checkMultimediaFiles() const;
    std::optional<CompileOutcome> checkTarget(const CompileRequest &request);
    ZepError writeFolder(const CompileRequest &request);
    ZepError copyMainMenuFiles(const CompileRequest &request);
    ZepError copyImages();
    ZepError copySounds();
    ZepError appendMenuData(const CompileRequest &request);
    static bool alsoStartsOnLinux(const CompileRequest &request);
    CompileOutcome finish(const CompileRequest &request);

    // The copy step of a file of the program folder.
    ZepError copyProgramFile(const QString &name);
    ZepError copyToZep(const QString &source, const QString &targetName);
    ZepError copyReference(const QString &reference);

    void status(const QString &text, int colour = -1);
    void step(const QString &text);

    const MenuProject &m_project;
    QString m_projectFolder;
    QString m_programFolder;
    CompileProgress *m_progress = nullptr;
    bool m_requireMultimediaFiles = false;
    ReplaceDecision m_mayReplace;
    CdFolder m_cd;
    QString m_playerCopy;
};
