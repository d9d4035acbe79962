#pragma once

#include "project/MenuProject.h"
#include "project/PictureLoader.h"

#include <QStringList>

// A project that uses every field, so writer and reader are checked line by line.
void fillFullProject(MenuProject &project);

// Records the pictures asked for and fails the ones listed as missing.
class RecordingPictureLoader : public PictureLoader
{
public:
    QStringList loaded;
    QStringList missing; // file names that fail with "not found"

    ZepError loadBackground(const QString &file) override;
    ZepError loadButtonImage(int slot, const QString &file) override;
};
