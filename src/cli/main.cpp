#include "cli/Commands.h"
#include "cli/ConsoleOutput.h"
#include "cli/ExportCommands.h"
#include "common/ProgramVersion.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

int usageError(const QString &fault)
{
    if (!fault.isEmpty())
        console::error(u"zepc: "_s + fault);
    console::error(usageLine());
    console::error(u"Essayez « zepc --help »."_s);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    const auto app = createApplication(argc, argv);
    QStringList arguments = app->arguments().mid(1);
    if (arguments.isEmpty())
        return usageError(QString());
    const QString name = arguments.takeFirst();
    if (name == u"--help"_s || name == u"-h"_s) {
        console::out(helpText());
        return 0;
    }
    if (name == u"--version"_s) {
        console::out(u"zepc "_s + version::full());
        return 0;
    }
    for (const Command &command : commands()) {
        if (command.syntax.name != name)
            continue;
        if (arguments.contains(u"--help"_s)) {
            console::out(command.syntax.usage() + u'\n' + command.description);
            return 0;
        }
        const std::optional<CommandLine> line = CommandLine::parse(command.syntax, arguments);
        return line ? command.run(*line) : 2;
    }
    return usageError((name.startsWith(u'-') ? u"option inconnue : "_s : u"commande inconnue : "_s) + name);
}
