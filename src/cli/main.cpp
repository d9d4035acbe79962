#include "cli/CompileCommands.h"
#include "cli/ConsoleOutput.h"
#include "cli/DiscCommands.h"
#include "cli/ExportCommands.h"
#include "cli/FormatCommand.h"
#include "cli/ProjectCommands.h"
#include "cli/VbsCommand.h"
#include "common/ProgramVersion.h"

#include <QCoreApplication>
#include <QHash>

using namespace Qt::StringLiterals;

namespace {

QString usageText()
{
    return u"usage: zepc check PROJECT.zep\n"
           u"       zepc save IN.zep OUT.zep\n"
           u"       zepc compile PROJECT.zep FOLDER [--sub NAME] [--light] [--name N] [--author A] [--force] "
           u"[--linux]\n"
           u"       zepc menudata PROJECT.zep\n"
           u"       zepc format FILE\n"
           u"       zepc vbs FILE.vbs\n"
           u"       zepc html PROJECT.zep FOLDER\n"
           u"       zepc image PROJECT.zep OUT.bmp|OUT.png\n"
           u"       zepc exe PROJECT.zep FOLDER NAME [--light]\n"
           u"       zepc iso PROJECT.zep OUT.iso [--light]\n"
           u"       zepc --help | --version\n"
           u"Paths are taken from the current directory; compile makes FOLDER when it is missing."_s;
}

int usage()
{
    console::error(usageText());
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    const auto app = createApplication(argc, argv);
    QStringList arguments = app->arguments().mid(1);
    if (arguments.isEmpty())
        return usage();
    const QString command = arguments.takeFirst();
    if (command == u"--help"_s) {
        console::out(usageText());
        return 0;
    }
    if (command == u"--version"_s) {
        console::out(u"zepc "_s + version::full());
        return 0;
    }
    using Command = int (*)(const QStringList &);
    static const QHash<QString, Command> commands{
        {u"check"_s, runCheckCommand},       {u"save"_s, runSaveCommand},     {u"compile"_s, runCompileCommand},
        {u"menudata"_s, runMenuDataCommand}, {u"format"_s, runFormatCommand}, {u"vbs"_s, runVbsCommand},
        {u"html"_s, runHtmlCommand},         {u"image"_s, runImageCommand},   {u"exe"_s, runExeCommand},
        {u"iso"_s, runIsoCommand},
    };
    if (const Command run = commands.value(command))
        return run(arguments);
    return usage();
}
