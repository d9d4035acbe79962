#pragma once

#include "common/Twips.h"
#include "common/ZepError.h"
#include "wizard/WizardFileWriter.h"
#include "wizard/WizardProject.h"

#include <QString>

class FolderNames;

// "&Terminer": the four checks, then the project folder with the buttons' images, the
// background image, the music and the project file. Nothing is created before the
// checks pass; what was created before a later failure stays.
class WizardFinish
{
public:
    struct Outcome
    {
        QString problem;     // the message to show; empty on success
        QString projectFile; // the file written, on success

        bool succeeded() const { return problem.isEmpty(); }
    };

    explicit WizardFinish(TwipsPerPixel twipsPerPixel = {}) : m_twipsPerPixel(twipsPerPixel) {}

    // The save folder gets its closing separator, as the step shows it afterwards.
    Outcome run(WizardProject &project) const;

    // A name that makes one folder inside the save folder, on this system and on the
    // Windows computers the disc is made for.
    static bool isValidName(const QString &name);
    static QString failureText(const ZepError &error);

private:
    ZepError placeButton(const WizardButton &button, int position, const QString &folder, FolderNames &names,
                         WizardFileWriter::ButtonFiles *files) const;
    ZepError placeProjectFiles(const WizardProject &project, const QString &folder, FolderNames &names,
                               WizardFileWriter::Files *files) const;

    TwipsPerPixel m_twipsPerPixel;
};
