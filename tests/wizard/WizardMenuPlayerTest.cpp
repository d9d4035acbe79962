#include "WizardFixtures.h"

#include "player/core/MenuDataParser.h"
#include "player/qt/PlayerWindow.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"
#include "wizard/WizardFinish.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace wizardfixtures;

TEST(WizardMenuPlayer, AWizardProjectCompilesAndItsMenuShowsItsButtons)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(u"sources"_s));
    QDir().mkpath(dir.filePath(u"cd"_s));
    WizardProject p;
    p.name = u"Disque"_s;
    p.saveFolder = dir.path();
    p.backgroundColour = 8388608;
    p.startup = WizardProject::Startup::Message;
    p.startupTitle = u"Bienvenue"_s;
    p.startupMessage = u"Un\r\nDeux"_s;
    WizardButton play = graphicButton(0, dir.filePath(u"sources"_s), u"jouer"_s, QSize(90, 30));
    play.function = WizardButton::OpenTarget;
    play.argument1 = u"http://www.example.org/"_s;
    play.argument2 = u"SITE"_s;
    WizardButton gone = textButton(1, u"Parti"_s);
    gone.deleted = true;
    WizardButton quit = textButton(2, u"Quitter"_s);
    quit.function = WizardButton::QuitMenu;
    p.buttons = {play, gone, quit};
    const WizardFinish::Outcome outcome = WizardFinish().run(p);
    ASSERT_TRUE(outcome.succeeded()) << outcome.problem.toStdString();

    const testfiles::ProgramRun check = testfiles::runProgram(u"zepc"_s, {u"check"_s, outcome.projectFile});
    EXPECT_EQ(check.exitCode, 0) << check.outText().toStdString() << check.errText().toStdString();
    const testfiles::ProgramRun run =
        testfiles::runProgram(u"zepc"_s, {u"compile"_s, outcome.projectFile, dir.filePath(u"cd"_s), u"--light"_s});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();

    const QByteArray bytes = testfiles::readBytes(dir.filePath(u"cd/zep/autorun.exe"_s));
    MenuModel menu;
    MenuDataParser parser;
    ASSERT_TRUE(parser.parseFile(std::string_view(bytes.constData(), std::size_t(bytes.size())), menu))
        << parser.error();
    ScriptedPrompter prompter;
    // The start-up script the wizard wrote runs in the menu.
    prompter.expectMessage({u"Un\n\rDeux"_s, u"Bienvenue"_s, MessageIcon::Information}, Answer::Ok);
    PlayerWindow window(std::move(menu), dir.filePath(u"cd/zep"_s), dir.filePath(u"cd"_s), prompter);
    window.start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(prompter.allAnswered());

    // 200 and 150 twips, then 150 + 150 twips and the first image's 30 pixels below.
    EXPECT_EQ(window.session().buttonAt({13, 10}), 1);
    EXPECT_EQ(window.session().buttonAt({102, 39}), 1);
    EXPECT_EQ(window.session().buttonAt({13, 50}), 2);
    EXPECT_EQ(window.session().buttonAt({13, 49}), 0);
    const QImage frame = window.grab().toImage();
    EXPECT_EQ(frame.pixelColor(20, 20), QColor(Qt::green));
    EXPECT_EQ(frame.pixelColor(14, 51), QColor(0, 255, 0));
    EXPECT_EQ(frame.pixelColor(5, 5), QColor(0, 0, 128));
}
