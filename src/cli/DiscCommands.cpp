#include "cli/DiscCommands.h"

#include "build/CompileRequest.h"
#include "build/DiscFile.h"
#include "build/ExecutableExport.h"
#include "build/IsoExport.h"
#include "cli/BuildSupport.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleOutput.h"
#include "cli/HeadlessRead.h"
#include "cli/TerminalProgress.h"
#include "project/MenuProject.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString programFolder()
{
    return QCoreApplication::applicationDirPath() + u'/';
}

} // namespace

int runExeCommand(const CommandLine &line)
{
    const QString folder = QFileInfo(line.argument(1)).absoluteFilePath() + u'/';
    MenuProject project;
    if (!HeadlessRead::open(project, line.argument(0)).clean())
        return 1;
    if (!QFileInfo(folder).isDir()) {
        console::error(u"Chemin incorrect. ("_s + folder + u')');
        return 1;
    }
    if (discfile::exists(folder, u"zep"_s) && !line.has(u"--force"_s)) {
        console::error(buildsupport::earlierMenuKept());
        return 1;
    }

    ExecutableExport::Request request;
    request.folder = folder;
    request.projectName = line.has(u"--name"_s) ? line.value(u"--name"_s) : CompileRequest::defaultProjectName(project);
    request.author = line.has(u"--author"_s) ? line.value(u"--author"_s) : CompileRequest::defaultAuthor(project);
    request.name = line.argument(2);
    request.light = line.has(u"--light"_s);

    buildsupport::prepare(project);
    ExecutableExport exporter(project, HeadlessRead::folderOf(project), programFolder());
    TerminalProgress progress(line.has(u"--quiet"_s));
    exporter.setProgress(&progress);
    const CompileOutcome outcome = exporter.run(request);
    progress.close();
    return console::finish(outcome,
                           line.has(u"--quiet"_s) ? QString() : u"Exécutable écrit : "_s + exporter.programFile());
}

int runIsoCommand(const CommandLine &line)
{
    const QString image = QFileInfo(line.argument(1)).absoluteFilePath();
    MenuProject project;
    if (!HeadlessRead::open(project, line.argument(0)).clean())
        return 1;
    if (QFileInfo::exists(image) && !line.has(u"--force"_s)) {
        console::error(u"Le fichier "_s + image + u" existe déjà : ajoutez --force pour le remplacer."_s);
        return 1;
    }

    buildsupport::prepare(project);
    IsoExport exporter(project, HeadlessRead::folderOf(project), programFolder());
    TerminalProgress progress(line.has(u"--quiet"_s));
    exporter.setCompileProgress(&progress);
    exporter.setProgress([&progress](qint64 done, qint64 total) { progress.image(done, total); });
    const CompileOutcome outcome = exporter.run({image, line.has(u"--light"_s)});
    progress.close();
    if (outcome.isWritten())
        return console::finish(outcome, line.has(u"--quiet"_s) ? QString() : u"Image ISO écrite : "_s + image);
    console::error(u"Impossible d'écrire "_s + image + u" ("_s + outcome.notice.text + u')');
    return 1;
}
