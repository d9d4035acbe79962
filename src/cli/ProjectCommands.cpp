#include "cli/ProjectCommands.h"

#include "cli/ConsoleOutput.h"
#include "cli/ConsolePrompter.h"
#include "project/MenuProject.h"
#include "project/PictureFileCheck.h"
#include "project/ProjectReferences.h"
#include "project/ProjectStorage.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString absolute(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

int runCheckCommand(const QStringList &arguments)
{
    if (arguments.size() != 1) {
        console::error(u"usage: zepc check PROJECT.zep"_s);
        return 2;
    }
    MenuProject project;
    ConsolePrompter prompter;
    PictureFileCheck pictures;
    ProjectStorage storage(project, prompter, pictures);
    const QString path = absolute(arguments[0]);
    storage.open(path);

    int missing = 0;
    for (const FileReference &ref : projectFileReferences(project, QFileInfo(path).absolutePath())) {
        if (!QFileInfo(ref.resolved).isFile()) {
            console::error(u"Fichier manquant : "_s + ref.reference);
            ++missing;
        }
    }
    return storage.problemCount() + missing == 0 ? 0 : 1;
}

int runSaveCommand(const QStringList &arguments)
{
    if (arguments.size() != 2) {
        console::error(u"usage: zepc save IN.zep OUT.zep"_s);
        return 2;
    }
    MenuProject project;
    ConsolePrompter prompter;
    PictureFileCheck pictures;
    ProjectStorage storage(project, prompter, pictures);
    storage.open(absolute(arguments[0]));
    const int readProblems = storage.problemCount();
    if (!storage.save(absolute(arguments[1])))
        return 1;
    return readProblems == 0 ? 0 : 1;
}
