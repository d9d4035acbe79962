#include "cli/CompileCommands.h"
#include "cli/ConsoleOutput.h"
#include "cli/DiscCommands.h"
#include "cli/ExportCommands.h"
#include "cli/FormatCommand.h"
#include "cli/ProjectCommands.h"
#include "cli/VbsCommand.h"
#include "common/ProgramVersion.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

QString usageText()
{
    return u"usage: zepc check PROJECT.zep\n"
           u"       zepc save IN.zep OUT.zep\n"
           u"       zepc compile PROJECT.zep FOLDER [--sub NAME] [--light] [--name N] [--author A] [--force] [--linux]\n"
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
    if (command == u"check"_s)
        return runCheckCommand(arguments);
    if (command == u"save"_s)
        return runSaveCommand(arguments);
    if (command == u"compile"_s)
        return runCompileCommand(arguments);
    if (command == u"menudata"_s)
        return runMenuDataCommand(arguments);
    if (command == u"format"_s)
        return runFormatCommand(arguments);
    if (command == u"vbs"_s)
        return runVbsCommand(arguments);
    if (command == u"html"_s)
        return runHtmlCommand(arguments);
    if (command == u"image"_s)
        return runImageCommand(arguments);
    if (command == u"exe"_s)
        return runExeCommand(arguments);
    if (command == u"iso"_s)
        return runIsoCommand(arguments);
    return usage();
}
