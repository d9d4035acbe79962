#include "cli/HeadlessRead.h"

#include "project/MenuProject.h"
#include "project/ProjectLocation.h"
#include "project/ProjectStorage.h"
#include "prompt/ConsolePrompter.h"

#include <QFileInfo>

HeadlessRead HeadlessRead::open(MenuProject &project, const QString &path)
{
    ConsolePrompter prompter;
    ProjectStorage storage(project, prompter);
    HeadlessRead read;
    read.completed = storage.open(QFileInfo(path).absoluteFilePath());
    read.problems = storage.problemCount();
    return read;
}

QString HeadlessRead::folderOf(const MenuProject &project)
{
    return ProjectLocation(project.path()).folder();
}
