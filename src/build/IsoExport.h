#pragma once

#include "build/CompileOutcome.h"
#include "build/IsoImageWriter.h"

#include <QString>

class BuildHooks;
class MenuProject;
class Prompter;

// The menu as a disc image ready to burn: compiled into a temporary folder, written as
// an ISO image, the folder removed afterwards whatever happened.
class IsoExport
{
public:
    IsoExport(const MenuProject &project, QString projectFolder, Prompter &prompter, QString programFolder);

    void setRequireMultimediaFiles(bool on) { m_requireMultimediaFiles = on; }
    void setProgress(IsoImageWriter::Progress progress) { m_progress = std::move(progress); }

    // Asks for the image file and the runtime files, then writes; declined when cancelled.
    CompileOutcome run(BuildHooks &hooks);
    // Writes without a question.
    CompileOutcome write(const QString &imagePath, bool light);

private:
    const MenuProject &m_project;
    QString m_projectFolder;
    Prompter &m_prompter;
    QString m_programFolder;
    bool m_requireMultimediaFiles = false;
    IsoImageWriter::Progress m_progress;
};
