#pragma once

#include "build/CompileOutcome.h"
#include "build/IsoImageWriter.h"

#include <QString>

#include <optional>

class CompileProgress;
class MenuProject;
class Prompter;

// The menu as a disc image ready to burn: compiled into a temporary folder, written as
// an ISO image, the folder removed afterwards whatever happened.
class IsoExport
{
public:
    struct Request
    {
        QString imagePath;
        bool light = false;
    };

    // The image file and the runtime question; nothing when the author cancelled.
    static std::optional<Request> ask(const MenuProject &project, Prompter &prompter);

    IsoExport(const MenuProject &project, QString projectFolder, QString programFolder);

    void setRequireMultimediaFiles(bool on) { m_requireMultimediaFiles = on; }
    void setProgress(IsoImageWriter::Progress progress) { m_progress = std::move(progress); }
    void setCompileProgress(CompileProgress *progress) { m_compileProgress = progress; }

    CompileOutcome run(const Request &request);

private:
    const MenuProject &m_project;
    QString m_projectFolder;
    QString m_programFolder;
    bool m_requireMultimediaFiles = false;
    IsoImageWriter::Progress m_progress;
    CompileProgress *m_compileProgress = nullptr;
};
