#include "cli/HeadlessRead.h"

#include "project/PictureFileCheck.h"
#include "project/ProjectStorage.h"
#include "prompt/ConsolePrompter.h"

#include <QFileInfo>

HeadlessRead HeadlessRead::open(MenuProject &project, const QString &path)
{
    ConsolePrompter prompter;
    PictureFileCheck pictures;
    ProjectStorage storage(project, prompter, pictures);
    HeadlessRead read;
    read.completed = storage.open(QFileInfo(path).absoluteFilePath());
    read.problems = storage.problemCount();
    return read;
}
