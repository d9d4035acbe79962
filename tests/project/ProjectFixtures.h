#pragma once

#include "project/MenuProject.h"
#include "common/ZepError.h"

#include <QStringList>

// A project that uses every field, so writer and reader are checked line by line.
void fillFullProject(MenuProject &project);

// Records the pictures the reader checks and fails the ones listed as missing.
struct RecordingPictureCheck
{
    QStringList loaded;
    QStringList missing; // file names that fail with "not found"

    // The check to hand to the reader; it records into this object.
    std::function<ZepError(const QString &)> check();
};
