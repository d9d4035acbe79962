#pragma once

#include "wizard/WizardButton.h"

#include <QList>
#include <QString>

// Everything the wizard's steps collect; the finish turns it into a project folder.
struct WizardProject
{
    enum class Startup { Nothing, Multimedia, Open, Message };

    QString name = QStringLiteral("Sans Titre");
    bool backgroundIsImage = false;
    int backgroundColour = 16777215;
    QString backgroundImage;
    bool contours = false;
    bool musicOn = false;
    QString music;

    Startup startup = Startup::Nothing;
    QString startupFile;
    QString startupTarget;
    QString startupTargetKind;
    QString startupTitle;
    QString startupMessage;

    QList<WizardButton> buttons; // deleted ones keep their place
    int nextButtonNumber = 0;

    QString saveFolder;
};
