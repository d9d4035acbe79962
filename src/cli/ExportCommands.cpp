#include "cli/ExportCommands.h"

#include "build/HtmlLauncher.h"
#include "build/MenuPicture.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleOutput.h"
#include "cli/HeadlessRead.h"
#include "project/MenuProject.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstring>

using namespace Qt::StringLiterals;

int runHtmlCommand(const CommandLine &line)
{
    const QStringList &arguments = line.arguments();
    MenuProject project;
    if (!HeadlessRead::open(project, arguments[0]).clean())
        return 1;
    const QString folder = QFileInfo(arguments[1]).absoluteFilePath() + u'/';
    if (!QFileInfo(folder).isDir()) {
        console::error(u"Le dossier "_s + folder + u" n'existe pas !"_s);
        return 1;
    }
    const ZepError error = HtmlLauncher(project).writeInto(folder);
    if (error.isError()) {
        console::error(u"Impossible d'écrire "_s + folder + HtmlLauncher::kFileName + u" ("_s + error.description +
                       u')');
        return 1;
    }
    return 0;
}

int runImageCommand(const CommandLine &line)
{
    const QStringList &arguments = line.arguments();
    const QString format = QFileInfo(arguments[1]).suffix().toLower();
    if (format != u"bmp"_s && format != u"png"_s) {
        console::error(u"zepc image: "_s + arguments[1] + u" ne finit ni par .bmp ni par .png"_s);
        return 2;
    }
    MenuProject project;
    if (!HeadlessRead::open(project, arguments[0]).clean())
        return 1;
    const QImage picture = MenuPicture(project, HeadlessRead::folderOf(project)).render();
    const QString out = QFileInfo(arguments[1]).absoluteFilePath();
    QImageWriter writer(out, format.toLatin1());
    if (!writer.write(picture)) {
        console::error(u"Impossible d'écrire "_s + out + u" ("_s + writer.errorString() + u')');
        return 1;
    }
    return 0;
}

std::unique_ptr<QCoreApplication> createApplication(int &argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "image") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}
