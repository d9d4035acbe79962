#include "cli/CompileCommands.h"

#include "build/CompileEngine.h"
#include "build/CompileProgress.h"
#include "build/MenuDataWriter.h"
#include "cli/ConsoleOutput.h"
#include "cli/HeadlessRead.h"
#include "common/Cp1252.h"
#include "project/MenuProject.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString kCompileUsage =
    u"usage: zepc compile PROJECT.zep FOLDER [--sub NAME] [--light] [--name N] [--author A] [--force] [--linux]"_s;

class QuietProgress : public CompileProgress
{
public:
    void status(const QString &, int) override {}
    void step(const QString &) override {}
    void fieldsEnabled(bool) override {}
    void report(const QString &text) override { m_report = text; }
    void folderCompleted(const QString &) override {}

    QString m_report;
};

} // namespace

int runCompileCommand(const QStringList &arguments)
{
    QStringList positional;
    CompileRequest request;
    bool force = false;
    bool named = false;
    bool authored = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == u"--light"_s) {
            request.light = true;
        } else if (argument == u"--force"_s) {
            force = true;
        } else if (argument == u"--linux"_s) {
            request.player = CompileRequest::kLinuxPlayer;
        } else if (argument == u"--sub"_s && hasValue) {
            request.subMenu = true;
            request.subMenuName = arguments[++i];
        } else if (argument == u"--name"_s && hasValue) {
            request.projectName = arguments[++i];
            named = true;
        } else if (argument == u"--author"_s && hasValue) {
            request.author = arguments[++i];
            authored = true;
        } else if (argument.startsWith(u"--"_s)) {
            console::error(kCompileUsage);
            return 2;
        } else {
            positional << argument;
        }
    }
    if (positional.size() != 2) {
        console::error(kCompileUsage);
        return 2;
    }

    // Every path is the caller's; a missing output folder is made, as --help says.
    request.folder = QFileInfo(positional[1]).absoluteFilePath();
    QDir().mkpath(request.folder);
    MenuProject project;
    if (!HeadlessRead::open(project, positional[0]).clean())
        return 1;
    if (!named)
        request.projectName = CompileRequest::defaultProjectName(project);
    if (!authored)
        request.author = CompileRequest::defaultAuthor(project);

    const QString projectFolder = HeadlessRead::folderOf(project);
    CompileEngine engine(project, projectFolder, QCoreApplication::applicationDirPath());
    QuietProgress progress;
    engine.setProgress(&progress);
    bool asked = false;
    engine.setReplaceDecision([force, &asked](const QString &) {
        asked = true;
        return force;
    });
    const CompileOutcome outcome = engine.compile(request);
    if (outcome.isWritten())
        console::out(progress.m_report.split(u'\n').last());
    else if (asked && !force)
        console::error(u"Le dossier contient déjà un dossier 'zep' : ajoutez --force pour le remplacer."_s);
    return console::finish(outcome);
}

int runMenuDataCommand(const QStringList &arguments)
{
    if (arguments.size() != 1) {
        console::error(u"usage: zepc menudata PROJECT.zep"_s);
        return 2;
    }
    MenuProject project;
    if (!HeadlessRead::open(project, arguments[0]).clean())
        return 1;
    const QByteArray bytes = MenuDataWriter(project).lines(CompileRequest::defaultProjectName(project),
                                                           CompileRequest::defaultAuthor(project));
    QStringList lines = cp1252::decode(bytes).split(u"\r\n"_s);
    lines.removeLast();
    for (const QString &line : lines)
        console::out(line);
    return 0;
}
