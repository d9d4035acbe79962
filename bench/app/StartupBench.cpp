// The designer's start-up as one process: from main() to every window shown, then out.
// bench/app/cold-start runs it ten times and prints the median; ZEP_BENCH_LANGUAGE=English
// starts it with that language pack.
#include "app/DesignerStartup.h"
#include "app/core/AppIdentity.h"
#include "platform/SettingsStore.h"
#include "prompt/gui/QtPrompter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir user;
    SettingsStore settings(user.filePath(QStringLiteral("settings.ini")));
    if (const QString language = qEnvironmentVariable("ZEP_BENCH_LANGUAGE"); !language.isEmpty())
        settings.setValue(QStringLiteral("General"), QStringLiteral("langue"), language);
    QtPrompter prompter;
    DesignerStartup startup({appid::programFolder(), settings, prompter, user.filePath(QStringLiteral("data")),
                             user.filePath(QStringLiteral("config"))});
    if (!startup.start(app.arguments().mid(1)))
        return 1;
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}
