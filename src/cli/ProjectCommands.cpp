#include "cli/ProjectCommands.h"

#include "cli/ConsoleOutput.h"
#include "cli/HeadlessRead.h"
#include "project/MenuProject.h"
#include "project/PictureFileCheck.h"
#include "project/ProjectReferences.h"
#include "project/ProjectStorage.h"
#include "prompt/ConsolePrompter.h"

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
    const QString path = absolute(arguments[0]);
    const HeadlessRead read = HeadlessRead::open(project, path);

    int missing = 0;
    for (const FileReference &ref : projectFileReferences(project, QFileInfo(path).absolutePath())) {
        if (!QFileInfo(ref.resolved).isFile()) {
            console::error(u"Fichier manquant : "_s + ref.reference);
            ++missing;
        }
    }
    return read.problems + missing == 0 ? 0 : 1;
}

int runSaveCommand(const QStringList &arguments)
{
    if (arguments.size() != 2) {
        console::error(u"usage: zepc save IN.zep OUT.zep"_s);
        return 2;
    }
    MenuProject project;
    const HeadlessRead read = HeadlessRead::open(project, absolute(arguments[0]));
    ConsolePrompter prompter;
    if (const ZepError error = ProjectStorage(project, prompter).save(absolute(arguments[1])); error.isError()) {
        prompter.message(ProjectStorage::saveFailure(error));
        return 1;
    }
    return read.problems == 0 ? 0 : 1;
}
