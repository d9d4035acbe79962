#include "cli/CompileCommands.h"

#include "build/CompileEngine.h"
#include "build/MenuDataWriter.h"
#include "cli/BuildSupport.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleOutput.h"
#include "cli/HeadlessRead.h"
#include "cli/TerminalProgress.h"
#include "common/Cp1252.h"
#include "project/MenuProject.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

int runCompileCommand(const CommandLine &line)
{
    MenuProject project;
    if (!HeadlessRead::open(project, line.argument(0)).clean())
        return 1;

    CompileRequest request = CompileRequest::defaultsFor(project);
    request.light = line.has(u"--light"_s);
    if (line.has(u"--linux"_s))
        request.player = CompileRequest::kLinuxPlayer;
    if (line.has(u"--sub"_s)) {
        request.subMenu = true;
        request.subMenuName = line.value(u"--sub"_s);
    }
    if (line.has(u"--name"_s))
        request.projectName = line.value(u"--name"_s);
    if (line.has(u"--author"_s))
        request.author = line.value(u"--author"_s);
    // Every path is the caller's; a missing output folder is made, as --help says.
    request.folder = QFileInfo(line.argument(1)).absoluteFilePath();
    buildsupport::OutputFolder output;
    if (!output.make(request.folder)) {
        console::error(u"Impossible de créer le dossier "_s + request.folder);
        return 1;
    }

    CompileEngine engine(project, HeadlessRead::folderOf(project), QCoreApplication::applicationDirPath());
    TerminalProgress progress(line.has(u"--quiet"_s));
    engine.setProgress(&progress);
    const bool force = line.has(u"--force"_s);
    bool refused = false;
    engine.setReplaceDecision([force, &refused](const QString &) {
        refused = !force;
        return force;
    });
    const CompileOutcome outcome = engine.compile(request);
    progress.close();
    if (!outcome.isWritten())
        output.discard();
    if (refused)
        console::error(buildsupport::earlierMenuKept());
    const QString summary =
        request.subMenu ? u"Sous menu compilé : "_s + engine.playerCopy()
                        : u"Menu compilé dans "_s + request.folder + u" : gravez son contenu à la racine du disque."_s;
    return console::finish(outcome, line.has(u"--quiet"_s) ? QString() : summary);
}

int runMenuDataCommand(const CommandLine &line)
{
    MenuProject project;
    if (!HeadlessRead::open(project, line.argument(0)).clean())
        return 1;
    const QByteArray bytes = MenuDataWriter(project).lines(CompileRequest::defaultProjectName(project),
                                                           CompileRequest::defaultAuthor(project));
    QStringList lines = cp1252::decode(bytes).split(u"\r\n"_s);
    lines.removeLast();
    for (const QString &text : lines)
        console::out(text);
    return 0;
}
