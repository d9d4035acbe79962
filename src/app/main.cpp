#include "app/DesignerStartup.h"
#include "app/core/AppIdentity.h"
#include "app/core/UserProgramFolder.h"
#include "platform/SettingsStore.h"
#include "prompt/gui/QtPrompter.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    SettingsStore settings;
    QtPrompter prompter;
    // Window titles stay as each window gives them; only untitled boxes take the program's.
    prompter.setUntitledCaption(appid::applicationTitle());
    const QString programFolder =
        userprogramfolder::choose(appid::programFolder(), userprogramfolder::defaultUserFolder());
    DesignerStartup startup({programFolder, settings, prompter, {}, {}});
    if (!startup.start(app.arguments().mid(1)))
        return 0;
    return app.exec();
}
