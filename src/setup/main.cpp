#include "prompt/gui/QtDialogLanguage.h"
#include "prompt/gui/QtPrompter.h"
#include "setup/core/SetupCommandLine.h"
#include "setup/core/SetupPlaces.h"
#include "setup/core/SilentSetup.h"
#include "setup/core/UninstallFlow.h"
#include "setup/core/UninstallRecord.h"
#include "setup/gui/BackdropWindow.h"
#include "setup/gui/InstallWizard.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void startDesigner(const QString &program, const QString &folder)
{
    QProcess::startDetached(program, {}, folder);
}

// In a terminal when the desktop has one, so the user sees the script's last words.
void startCleanupScript(const QString &script)
{
    const QString terminal = QStandardPaths::findExecutable(u"x-terminal-emulator"_s);
    if (terminal.isEmpty() || !QProcess::startDetached(terminal, {u"-e"_s, u"/bin/sh"_s, script}))
        silentsetup::runCleanupScript(script);
}

int runWindows(QApplication &app, const SetupPlaces &places)
{
    qtdialoglanguage::install(u"fr"_s, qtdialoglanguage::folders(QCoreApplication::applicationDirPath()), &app);
    QtPrompter prompter;
    const bool uninstall = uninstallrecord::liesIn(places.sourceFolder);
    BackdropWindow backdrop(uninstall ? BackdropWindow::Mode::Uninstall : BackdropWindow::Mode::Install);
    InstallWizard wizard(places, prompter, startDesigner, &backdrop);

    QObject::connect(&backdrop, &BackdropWindow::wizardWanted, &wizard, [&wizard, &backdrop] {
        if (!wizard.isVisible()) {
            wizard.adjustSize();
            wizard.move(backdrop.geometry().center() - wizard.rect().center());
        }
        wizard.show();
        wizard.raise();
        wizard.activateWindow();
    });
    QObject::connect(&wizard, &InstallWizard::ended, &app, [&app](int code) { app.exit(code); });
    QObject::connect(&backdrop, &BackdropWindow::closed, &app, [&app] { app.exit(0); });
    QObject::connect(&backdrop, &BackdropWindow::uninstallDue, &app, [&] {
        UninstallFlow(places, places.sourceFolder, prompter, startCleanupScript).run();
        app.exit(0);
    });

    backdrop.show();
    if (!uninstall)
        emit backdrop.wizardWanted();
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const SetupPlaces places = SetupPlaces::forCurrentUser(QCoreApplication::applicationDirPath());
    const SetupCommandLine command = SetupCommandLine::parse(app.arguments().mid(1));
    switch (command.action) {
    case SetupCommandLine::Action::SilentInstall:
        return silentsetup::install(places, command.destination);
    case SetupCommandLine::Action::SilentUninstall:
        return silentsetup::uninstall(places);
    case SetupCommandLine::Action::Usage:
        std::fputs(SetupCommandLine::usage().toUtf8().constData(), stderr);
        return 2;
    case SetupCommandLine::Action::Windows:
        break;
    }
    return runWindows(app, places);
}
