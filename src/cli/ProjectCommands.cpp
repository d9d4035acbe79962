#include "cli/ProjectCommands.h"

#include "build/CompileChecks.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleOutput.h"
#include "cli/HeadlessRead.h"
#include "project/MenuProject.h"
#include "project/ProjectReferences.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString absolute(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

QString count(qsizetype n, const QString &one, const QString &many)
{
    return QString::number(n) + u' ' + (n > 1 ? many : one);
}

// What the compilation would refuse, one line each; the number of lines. The folder
// checks wait for a folder; the multimedia rule is the designer's option, so --strict.
int reportCompileProblems(const MenuProject &project, bool strict)
{
    if (!strict)
        return 0;
    const QList<int> missing = compilechecks::multimediaWithoutFile(project);
    for (int slot : missing)
        console::error(compilechecks::multimediaWithoutFileNotice(slot).text);
    return int(missing.size());
}

} // namespace

int runCheckCommand(const CommandLine &line)
{
    const QString &given = line.argument(0);
    MenuProject project;
    const HeadlessRead read = HeadlessRead::open(project, given);

    int missing = 0;
    int refusals = 0;
    // A file refused as no project has nothing more to check.
    if (!project.path().isEmpty()) {
        for (const FileReference &ref : projectFileReferences(project, QFileInfo(absolute(given)).absolutePath())) {
            if (!QFileInfo(ref.resolved).isFile()) {
                console::error(u"Fichier manquant : "_s + ref.reference);
                ++missing;
            }
        }
        refusals = reportCompileProblems(project, line.has(u"--strict"_s));
    }

    QStringList found;
    if (read.problems > 0)
        found << count(read.problems, u"erreur de lecture"_s, u"erreurs de lecture"_s);
    if (missing > 0)
        found << count(missing, u"fichier manquant"_s, u"fichiers manquants"_s);
    if (refusals > 0)
        found << count(refusals, u"problème de compilation"_s, u"problèmes de compilation"_s);
    console::out(given + u" : "_s + (found.isEmpty() ? u"aucun problème"_s : found.join(u", "_s)));
    return found.isEmpty() ? 0 : 1;
}

int runSaveCommand(const CommandLine &line)
{
    MenuProject project;
    const HeadlessRead read = HeadlessRead::open(project, line.argument(0));
    // Writing what was read from something else would make a blank project of it.
    if (project.path().isEmpty())
        return 1;
    if (!HeadlessRead::save(project, line.argument(1)))
        return 1;
    return read.problems == 0 ? 0 : 1;
}
