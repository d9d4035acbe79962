#include "cli/DiscCommands.h"

#include "build/BuildHooks.h"
#include "build/CompileRequest.h"
#include "build/ExecutableExport.h"
#include "build/IsoExport.h"
#include "cli/ConsoleOutput.h"
#include "cli/HeadlessRead.h"
#include "common/PathText.h"
#include "project/MenuProject.h"
#include "prompt/ConsolePrompter.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// The positional arguments and --light; false on anything else.
bool parse(QStringList arguments, qsizetype count, QStringList *positional, bool *light)
{
    *light = arguments.removeAll(u"--light"_s) > 0;
    for (const QString &argument : arguments) {
        if (argument.startsWith(u"--"_s))
            return false;
    }
    *positional = arguments;
    return arguments.size() == count;
}

// The export's questions answered from the command line.
class PresetPrompter : public ConsolePrompter
{
public:
    PresetPrompter(QString folder, QStringList inputs, bool light)
        : m_folder(std::move(folder)), m_inputs(std::move(inputs)), m_light(light)
    {
    }

    using Prompter::message;
    Answer message(const MessageRequest &request) override
    {
        if (request.buttons == MessageButtons::YesNoCancel)
            return m_light ? Answer::No : Answer::Yes;
        return ConsolePrompter::message(request);
    }
    QString folder(const FolderRequest &) override { return std::exchange(m_folder, QString()); }
    QString input(const InputRequest &) override { return m_inputs.isEmpty() ? QString() : m_inputs.takeFirst(); }

private:
    QString m_folder;
    QStringList m_inputs;
    bool m_light;
};

// No windows to prepare: the build makes the transparency companions itself.
class HeadlessHooks : public BuildHooks
{
public:
    void prepareForBuild() override {}
    void showWaitPanels(bool) override {}
};

} // namespace

int runExeCommand(const QStringList &arguments)
{
    QStringList positional;
    bool light = false;
    if (!parse(arguments, 3, &positional, &light)) {
        console::error(u"usage: zepc exe PROJECT.zep FOLDER NAME [--light]"_s);
        return 2;
    }
    const QString folder = QFileInfo(positional[1]).absoluteFilePath();
    MenuProject project;
    if (!HeadlessRead::open(project, QFileInfo(positional[0]).absoluteFilePath()).clean())
        return 1;
    if (!QFileInfo(folder).isDir()) {
        console::error(u"Chemin incorrect. ("_s + folder + u')');
        return 1;
    }
    PresetPrompter prompter(folder, {CompileRequest::defaultProjectName(project), CompileRequest::defaultAuthor(project),
                                     positional[2]},
                            light);
    HeadlessHooks hooks;
    ExecutableExport exporter(project, HeadlessRead::folderOf(project), prompter,
                              QCoreApplication::applicationDirPath() + u'/', hooks,
                              ExecutableExport::Kind::executable());
    return console::finish(exporter.run());
}

int runIsoCommand(const QStringList &arguments)
{
    QStringList positional;
    bool light = false;
    if (!parse(arguments, 2, &positional, &light)) {
        console::error(u"usage: zepc iso PROJECT.zep OUT.iso [--light]"_s);
        return 2;
    }
    const QString image = QFileInfo(positional[1]).absoluteFilePath();
    MenuProject project;
    if (!HeadlessRead::open(project, QFileInfo(positional[0]).absoluteFilePath()).clean())
        return 1;
    ConsolePrompter prompter;
    const CompileOutcome outcome = IsoExport(project, HeadlessRead::folderOf(project), prompter,
                                             QCoreApplication::applicationDirPath() + u'/')
                                       .write(image, light);
    if (outcome.isWritten())
        return 0;
    console::error(u"Impossible d'écrire "_s + image + u" ("_s + outcome.notice.text + u')');
    return 1;
}
