// F5 on the example: from the test command to the player's first frame (the player
// quits right after it), prepared, compiled and started from the program folder.
#include "app/BuildCommands.h"
#include "app/DesignerSession.h"
#include "app/DesignerStartup.h"
#include "platform/SettingsStore.h"
#include "project/ProjectStorage.h"
#include "prompt/gui/QtPrompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    qputenv("ZEP_PLAYER_QUIT_AFTER_FIRST_FRAME", "1");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: zep_testrun_bench PROJECT.zep\n", stderr);
        return 2;
    }
    QTemporaryDir user;
    SettingsStore settings(user.filePath(QStringLiteral("settings.ini")));
    QtPrompter prompter;
    DesignerStartup startup({QStringLiteral(ZEP_PROGRAM_DIR), settings, prompter, user.filePath(QStringLiteral("data")),
                             user.filePath(QStringLiteral("config"))});
    if (!startup.start({}) || !startup.session()->storage().open(QString::fromLocal8Bit(argv[1])))
        return 1;

    std::vector<qint64> times;
    for (int run = 0; run < 5; ++run) {
        QElapsedTimer timer;
        timer.start();
        startup.session()->build().testRun();
        times.push_back(timer.elapsed());
    }
    std::sort(times.begin(), times.end());
    std::printf("F5 to the player's first frame and back (ms): min %lld, median %lld, max %lld\n",
                static_cast<long long>(times.front()), static_cast<long long>(times[2]),
                static_cast<long long>(times.back()));
    return 0;
}
