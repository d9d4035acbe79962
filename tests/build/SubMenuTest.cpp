#include "BuildFixtures.h"

#include "build/CompileEngine.h"
#include "support/ProjectSettingsEdit.h"
#include "support/TestFiles.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kRed = 255;
constexpr int kBlue = 16711680;

void compile(const MenuProject &project, const QString &cd, bool subMenu)
{
    CompileEngine engine(project, cd, testfiles::programPath(QString()));
    CompileRequest request = CompileRequest::defaultsFor(project);
    request.folder = cd;
    request.light = true;
    request.player = CompileRequest::kLinuxPlayer;
    request.subMenu = subMenu;
    request.subMenuName = u"sous"_s;
    const CompileOutcome outcome = engine.compile(request);
    ASSERT_TRUE(outcome.isWritten());
    if (subMenu) {
        EXPECT_EQ(
            outcome.notice,
            (MessageRequest{u"Votre sous menu 'sous' a été créé avec succès, pour le lancer depuis le menu "
                            u"principal (ou depuis un autre sous menu), créez un bouton VBS puis cliquez sur "
                            u"'Modifier le code VBS' et enfin dans 'Assistant' choisissez 'Lancer un sous menu'."_s,
                            u"Sous menu"_s, MessageIcon::Information}));
    }
}

} // namespace

// The assistant's "Lancer un sous menu" code in a main menu's start-up starts the sub
// menu compiled beside it; each menu saves its first frame to the same picture.
TEST(SubMenu, AMainMenusScriptStartsTheSubMenuCompiledBesideIt)
{
    QTemporaryDir dir;
    const QString cd = dir.filePath(u"cd avec espaces/"_s);
    QDir().mkpath(cd);

    MenuProject main;
    main.setSize(3000, 3000);
    projectsettings::set(main, &ProjectSettings::backgroundColour, kRed);
    projectsettings::set(main, &ProjectSettings::startupAction,
                         u"VBS:Set exe_f = CreateObject(\"WScript.Shell\")\r\nexe_f.Run(\"[CHEMIN]sous.exe\")"_s);
    compile(main, cd, false);
    MenuProject sub;
    sub.setSize(3000, 3000);
    projectsettings::set(sub, &ProjectSettings::backgroundColour, kBlue);
    compile(sub, cd, true);

    const QString frame = dir.filePath(u"frame.png"_s);
    QProcess player;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"ZEP_PLAYER_GRAB"_s, frame);
    player.setProcessEnvironment(env);
    // The sub menu outlives the main one: its output must not go to a pipe that closes.
    player.setStandardOutputFile(dir.filePath(u"out.txt"_s));
    player.setStandardErrorFile(dir.filePath(u"err.txt"_s));
    player.start(cd + u"zep/autorun.exe"_s, {});
    ASSERT_TRUE(player.waitForFinished(60000));
    ASSERT_EQ(player.exitCode(), 0) << testfiles::readBytes(dir.filePath(u"err.txt"_s)).toStdString();

    // The sub menu runs on its own after the main menu has ended.
    QColor seen;
    for (QDeadlineTimer deadline(60000); !deadline.hasExpired() && seen != QColor(Qt::blue);
         QThread::msleep(100)) {
        const QImage picture(frame);
        if (!picture.isNull())
            seen = picture.pixelColor(picture.width() / 2, picture.height() / 2);
    }
    EXPECT_EQ(seen, QColor(Qt::blue));
}
