#include "BuildFixtures.h"

#include "build/CompileRequest.h"
#include "build/TestRun.h"
#include "build/TestRunHooks.h"
#include "build/gui/TestWindow.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class RecordingHooks : public TestRunHooks
{
public:
    explicit RecordingHooks(const MenuProject &project, const QString &projectFolder)
        : m_project(project), m_projectFolder(projectFolder)
    {
    }

    QStringList calls;
    bool pressStop = false;
    QString label;

    void prepareForBuild() override { calls << u"prepare"_s; }
    void showWaitPanels(bool visible) override { calls << (visible ? u"wait shown"_s : u"wait hidden"_s); }
    void minimizeWorksheet() override { calls << u"minimize"_s; }
    void restoreWorksheet() override { calls << u"restore"_s; }
    ZepError showTestWindow(const QString &player) override
    {
        calls << u"test window"_s;
        TestWindow window(player);
        label = window.findChild<QLabel *>(u"Label1"_s)->text();
        if (pressStop) {
            QObject::connect(&window, &TestWindow::playerStarted, &window, [&window] {
                QTimer::singleShot(300, &window, [&window] { window.findChild<QPushButton *>(u"Stop"_s)->click(); });
            });
        }
        const ZepError error = window.run();
        if (!error.isError())
            calls << (window.process().exitStatus() == QProcess::NormalExit ? u"player ended"_s : u"player stopped"_s);
        return error;
    }

private:
    const MenuProject &m_project;
    QString m_projectFolder;
};

// A program folder of its own, with the package the build made.
class TestRunTest : public ::testing::Test
{
protected:
    TestRunTest() : m_programFolder(m_dir.filePath(u"programme/"_s)), m_hooks(m_project, m_dir.filePath(u"projet"_s))
    {
        buildfixtures::fillMenu(m_project, m_dir.filePath(u"projet"_s));
        QDir().mkpath(m_programFolder);
        const QDir bin(testfiles::programPath(QString()));
        for (const QString &name : bin.entryList(QDir::Files))
            QFile::copy(bin.filePath(name), m_programFolder + name);
        // A file of an earlier test must not survive.
        QDir().mkpath(m_programFolder + u"tmp/zep"_s);
        buildfixtures::writeFile(m_programFolder + u"tmp/zep/ancien.txt"_s, "ancien");
        buildfixtures::writeFile(m_programFolder + u"tmp/ancien.txt"_s, "ancien");
    }

    ~TestRunTest() override { qunsetenv("ZEP_PLAYER_QUIT_AFTER_FIRST_FRAME"); }

    // Runs and shows the outcome the way the designer does.
    CompileOutcome run(TestRun &testRun)
    {
        const CompileOutcome outcome = testRun.run();
        if (outcome.hasNotice())
            m_prompter.message(outcome.notice);
        return outcome;
    }

    QTemporaryDir m_dir;
    QString m_programFolder;
    MenuProject m_project;
    ScriptedPrompter m_prompter;
    RecordingHooks m_hooks;
};

} // namespace

TEST_F(TestRunTest, ThePlayerRunsFromTheEmptiedTestFolderUntilItEnds)
{
    qputenv("ZEP_PLAYER_QUIT_AFTER_FIRST_FRAME", "1");
    // A folder a script made survives the emptying; the run goes on without a question.
    QDir().mkpath(m_programFolder + u"tmp/zep/dossier"_s);
    TestRun testRun(m_project, m_dir.filePath(u"projet/"_s), m_programFolder, m_hooks);
    EXPECT_EQ(run(testRun).result, CompileOutcome::Result::Written);
    EXPECT_EQ(m_hooks.calls, (QStringList{u"prepare"_s, u"wait shown"_s, u"wait hidden"_s, u"minimize"_s,
                                          u"test window"_s, u"player ended"_s, u"restore"_s}));
    EXPECT_EQ(m_hooks.label, u"Votre projet est en cours d'exécution, pour reprendre l'édition, veuillez cliquer sur "
                             u"le carré rouge ci-dessous."_s);
    EXPECT_EQ(testRun.playerPath(), m_programFolder + u"tmp/zep/autorun.exe"_s);
    EXPECT_FALSE(QFileInfo::exists(m_programFolder + u"tmp/zep/ancien.txt"_s));
    EXPECT_FALSE(QFileInfo::exists(m_programFolder + u"tmp/ancien.txt"_s));
    EXPECT_TRUE(QFileInfo::exists(m_programFolder + u"tmp/Autorun.inf"_s));
    EXPECT_TRUE(QFileInfo::exists(m_programFolder + u"tmp/zep/Msscript.ocx"_s));
    const QByteArray player = testfiles::readBytes(testRun.playerPath());
    EXPECT_TRUE(player.contains("\xAC"
                                "TEST\xAC"
                                "TEST\xAC"));
    EXPECT_TRUE(player.startsWith(testfiles::readBytes(m_programFolder + CompileRequest::kLinuxPlayer)))
        << "the test run shows the menu with this system's player";
}

TEST_F(TestRunTest, StopEndsAPlayerThatWouldRunOn)
{
    m_hooks.pressStop = true;
    TestRun testRun(m_project, m_dir.filePath(u"projet/"_s), m_programFolder, m_hooks);
    run(testRun);
    EXPECT_EQ(m_hooks.calls, (QStringList{u"prepare"_s, u"wait shown"_s, u"wait hidden"_s, u"minimize"_s,
                                          u"test window"_s, u"player stopped"_s, u"restore"_s}));
}

TEST_F(TestRunTest, AFailedCompilationNeverMinimizesTheWorksheet)
{
    MenuButton b = m_project.button(2);
    b.normalImage = u"absent.bmp"_s;
    m_project.setButton(2, b);
    m_prompter.expectMessage(u"Erreur durant la compilation ! (Fichier introuvable : "_s +
                                 m_dir.filePath(u"projet/absent.bmp"_s) + u')',
                             u"Erreur"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    TestRun testRun(m_project, m_dir.filePath(u"projet/"_s), m_programFolder, m_hooks);
    EXPECT_EQ(run(testRun).result, CompileOutcome::Result::Failed);
    EXPECT_EQ(m_hooks.calls, (QStringList{u"prepare"_s, u"wait shown"_s, u"wait hidden"_s}));
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(TestRunTest, APlayerThatCannotStartIsReported)
{
    QFile::setPermissions(m_programFolder + CompileRequest::kLinuxPlayer, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    m_prompter.expectMessage(u"Erreur lors du test !!!"_s, u"Erreur d'accès au chemin/fichier"_s, MessageIcon::Critical,
                             MessageButtons::Ok, Answer::Ok);
    TestRun testRun(m_project, m_dir.filePath(u"projet/"_s), m_programFolder, m_hooks);
    EXPECT_EQ(run(testRun).result, CompileOutcome::Result::Failed);
    EXPECT_EQ(m_hooks.calls, (QStringList{u"prepare"_s, u"wait shown"_s, u"wait hidden"_s, u"minimize"_s,
                                          u"test window"_s, u"restore"_s, u"wait hidden"_s}));
    EXPECT_TRUE(m_prompter.allAnswered());
}
