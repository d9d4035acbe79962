#pragma once

#include "wizard/WizardProject.h"

#include <QByteArray>
#include <QList>
#include <QSizeF>
#include <QString>

// The project file the wizard writes: a short form of the .zep format with placeholder
// lines where the wizard has nothing to say, and no comments, author or trailer.
class WizardFileWriter
{
public:
    // What the finish put in the project folder, as bare file names.
    struct ButtonFiles
    {
        QString normal;
        QString hover;
        QString click;
        double normalHeight = 0; // twips
    };
    struct Files
    {
        QString backgroundImage;
        QSizeF backgroundSize; // twips, with an image only
        QString music;
        QList<ButtonFiles> buttons; // one per button not deleted, in list order
    };

    static constexpr double kLeft = 200;
    static constexpr double kFirstTop = 150;
    static constexpr double kGap = 150;

    static QByteArray toBytes(const WizardProject &project, const Files &files);
};
