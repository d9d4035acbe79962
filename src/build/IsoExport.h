#pragma once

#include "build/IsoImageWriter.h"
#include "common/ZepError.h"

#include <QString>

class BuildHooks;
class MenuProject;
class Prompter;

// The menu as a disc image ready to burn: compiled into a temporary folder, written as
// an ISO image, the folder removed afterwards whatever happened.
class IsoExport
{
public:
    IsoExport(const MenuProject &project, Prompter &prompter, QString programFolder);

    void setRequireMultimediaFiles(bool on) { m_requireMultimediaFiles = on; }
    void setProgress(IsoImageWriter::Progress progress) { m_progress = std::move(progress); }

    // Asks for the image file and the runtime files, then writes; false when cancelled
    // or failed (the failure shown).
    bool run(BuildHooks &hooks);
    // Writes without a question; compilation failures are shown by the engine, the
    // returned error is the image's own.
    bool write(const QString &imagePath, bool light, ZepError *imageError = nullptr);

private:
    const MenuProject &m_project;
    Prompter &m_prompter;
    QString m_programFolder;
    bool m_requireMultimediaFiles = false;
    IsoImageWriter::Progress m_progress;
};
