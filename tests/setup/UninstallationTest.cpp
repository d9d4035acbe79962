#include "setup/SetupFixture.h"

#include "common/SaveFile.h"
#include "setup/core/CleanupScript.h"
#include "setup/core/InstallObserver.h"
#include "setup/core/Installation.h"
#include "setup/core/SilentSetup.h"
#include "setup/core/UninstallFlow.h"
#include "setup/core/UninstallRecord.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

class Quiet : public InstallObserver
{
    void copying(int, int, const QString &, const QString &) override {}
    void status(const QString &, const QString &) override {}
    void finished() override {}
};

MessageRequest uninstallQuestion()
{
    MessageRequest question{u"Voulez-vous vraiment désinstaller ZEP ?"_s, u"Désinstallation de ZEP..."_s,
                            MessageIcon::Question, MessageButtons::YesNo};
    question.defaultButton = 2;
    return question;
}

QStringList contentOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class UninstallFixture : public SetupFixture
{
protected:
    UninstallFixture()
    {
        Quiet quiet;
        Installation installation(m_places, m_folder, quiet);
        EXPECT_FALSE(installation.prepare().isError());
        installation.install();
    }

    void expectConfirmedUninstallation()
    {
        m_prompter.expectMessage(uninstallQuestion(), Answer::Yes);
        m_prompter.expectMessage(u"Désinstallation de ZEP terminée avec succès !"_s, u"Désinstallation de ZEP..."_s,
                                 MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    }

    QString m_folder = path(u"installed/"_s);
    ScriptedPrompter m_prompter;
    QStringList m_started;
    UninstallFlow m_flow{m_places, m_folder, m_prompter, [this](const QString &script) { m_started << script; }};
};

TEST_F(UninstallFixture, AnsweringNoLeavesEverythingInPlace)
{
    const QStringList before = contentOf(m_folder);
    m_prompter.expectMessage(uninstallQuestion(), Answer::No);
    EXPECT_FALSE(m_flow.run());
    EXPECT_EQ(contentOf(m_folder), before);
    EXPECT_TRUE(uninstallrecord::liesIn(m_folder));
    EXPECT_TRUE(QFileInfo::exists(m_places.desktopFolder + u"ZEP - Créateur de menus.desktop"_s));
    EXPECT_TRUE(m_started.isEmpty());
}

TEST_F(UninstallFixture, AnsweringYesRemovesTheEntriesAndFilesThenTheScriptRemovesTheRest)
{
    expectConfirmedUninstallation();
    EXPECT_TRUE(m_flow.run());

    EXPECT_FALSE(QFileInfo::exists(m_places.groupFolder()));
    EXPECT_TRUE(contentOf(m_places.desktopFolder).isEmpty());
    EXPECT_TRUE(contentOf(m_places.directoriesFolder).isEmpty());
    EXPECT_TRUE(contentOf(m_places.menusFolder).isEmpty());
    EXPECT_EQ(contentOf(m_folder), QStringList{u"fin_install.sh"_s});
    ASSERT_EQ(m_started, QStringList{m_folder + u"fin_install.sh"_s});

    silentsetup::runCleanupScript(m_started.front());
    EXPECT_TRUE(QFileInfo(m_folder).isDir());
    EXPECT_TRUE(contentOf(m_folder).isEmpty());
    EXPECT_FALSE(contentOf(path(u"package"_s)).isEmpty());
}

TEST_F(UninstallFixture, FilesTheInstallationDidNotWriteAreKept)
{
    write(u"installed/mine.zep"_s, "a project");
    write(u"installed/.hidden"_s, "settings");
    write(u"installed/langues/Mien/phrases.lge"_s, "own pack");
    write(u"installed/projets/demo.zep"_s, "another");
    write(u"outside"_s, "kept");
    testfiles::writeBytes(m_folder + u"desinstall.lst"_s,
                          testfiles::readBytes(m_folder + u"desinstall.lst"_s) + "../outside\n");
    expectConfirmedUninstallation();
    EXPECT_TRUE(m_flow.run());
    silentsetup::runCleanupScript(m_started.value(0));

    EXPECT_EQ(contentOf(m_folder), (QStringList{u".hidden"_s, u"langues"_s, u"mine.zep"_s, u"projets"_s}));
    EXPECT_EQ(contentOf(m_folder + u"langues"_s), QStringList{u"Mien"_s});
    EXPECT_EQ(read(u"installed/langues/Mien/phrases.lge"_s), "own pack");
    EXPECT_EQ(read(u"installed/projets/demo.zep"_s), "another");
    EXPECT_EQ(read(u"outside"_s), "kept");
}

TEST_F(UninstallFixture, NoSuccessIsReportedWhenTheCleanUpScriptCannotBeWritten)
{
    QDir().mkpath(m_folder + u"fin_install.sh/in the way"_s);
    const ZepError failure = saveFileAtomically(m_folder + u"fin_install.sh"_s, "");
    ASSERT_TRUE(failure.isError());
    m_prompter.expectMessage(uninstallQuestion(), Answer::Yes);
    m_prompter.expectMessage(failure.description, u"Erreur n°"_s + QString::number(failure.number),
                             MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    EXPECT_TRUE(m_flow.run());
    EXPECT_TRUE(m_started.isEmpty());
}

// Neither the uninstaller nor its script removes anything from the home folder, even
// one reached through a link.
class HomeFixture : public SetupFixture
{
protected:
    HomeFixture() : m_savedHome(qgetenv("HOME"))
    {
        write(u"home/zep"_s, "designer");
        write(u"home/desinstall.zdu"_s, "");
        write(u"home/desinstall.lst"_s, "zep\nlangues/English/phrases.lge\n");
        write(u"home/langues/English/phrases.lge"_s, "pack");
        write(u"home/letter.odt"_s, "mine");
        QFile::link(path(u"home"_s), path(u"link"_s));
        qputenv("HOME", path(u"home"_s).toLocal8Bit());
    }
    ~HomeFixture() override { qputenv("HOME", m_savedHome); }

    QStringList homeContent() const
    {
        QStringList files;
        QDirIterator it(path(u"home"_s), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(path(u"home"_s)).relativeFilePath(it.next());
        files.sort();
        return files;
    }

    QByteArray m_savedHome;
    const QStringList m_everything{u"desinstall.lst"_s, u"desinstall.zdu"_s, u"langues/English/phrases.lge"_s,
                                   u"letter.odt"_s, u"zep"_s};
};

TEST_F(HomeFixture, TheUninstallerRefusesTheHomeFolderBeforeAskingOrDeleting)
{
    for (const QString &folder : {path(u"home/"_s), path(u"link/"_s)}) {
        ScriptedPrompter prompter;
        QStringList started;
        UninstallFlow flow(m_places, folder, prompter, [&started](const QString &script) { started << script; });
        prompter.expectMessage(u"ZEP ne peut pas être désinstallé de "_s + folder +
                                   u" : c'est la racine ou le dossier personnel.\r\n"_s +
                                   u"Aucun fichier n'a été supprimé."_s,
                               u"Désinstallation de ZEP..."_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
        EXPECT_FALSE(flow.run());
        EXPECT_TRUE(started.isEmpty());
        EXPECT_EQ(homeContent(), m_everything);
    }
}

TEST_F(HomeFixture, TheCleanUpScriptItselfRefusesTheHomeFolder)
{
    const QStringList installed{u"zep"_s, u"langues/English/phrases.lge"_s};
    for (const QString &folder : {path(u"home/"_s), path(u"link/"_s)}) {
        write(u"home/fin_install.sh"_s, cleanupscript::text(folder, installed));
        QProcess shell;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"HOME"_s, path(u"home"_s));
        shell.setProcessEnvironment(env);
        shell.setStandardInputFile(QProcess::nullDevice());
        shell.start(u"/bin/sh"_s, {path(u"home/fin_install.sh"_s)});
        ASSERT_TRUE(shell.waitForFinished());
        EXPECT_NE(shell.exitCode(), 0);
        QStringList expected = QStringList{m_everything} << u"fin_install.sh"_s;
        expected.sort();
        EXPECT_EQ(homeContent(), expected) << folder.toStdString();
    }
}

TEST_F(SetupFixture, TheCleanUpScriptWorksInAFolderWithSpacesAndQuotesAndNowhereElse)
{
    const QString folder = path(u"it's a \"folder\" $HOME/ZEP/"_s);
    write(u"it's a \"folder\" $HOME/ZEP/sub/file"_s, "x");
    write(u"it's a \"folder\" $HOME/ZEP/.hidden"_s, "x");
    write(u"it's a \"folder\" $HOME/sibling"_s, "kept");
    ASSERT_FALSE(cleanupscript::write(folder, {u"sub/file"_s, u".hidden"_s}).isError());

    silentsetup::runCleanupScript(folder + u"fin_install.sh"_s);
    EXPECT_TRUE(contentOf(folder).isEmpty());
    EXPECT_EQ(read(u"it's a \"folder\" $HOME/sibling"_s), "kept");
}

TEST_F(SetupFixture, TheCleanUpScriptDeletesNothingWhenItsFolderIsGone)
{
    const QString folder = path(u"gone/"_s);
    write(u"gone/file"_s, "x");
    ASSERT_FALSE(cleanupscript::write(folder, {u"file"_s, u"precious"_s}).isError());
    const QString script = path(u"script.sh"_s);
    ASSERT_TRUE(QFile::rename(folder + u"fin_install.sh"_s, script));
    ASSERT_TRUE(QDir(folder).removeRecursively());
    write(u"elsewhere/precious"_s, "kept");

    QProcess shell;
    shell.setWorkingDirectory(path(u"elsewhere"_s));
    shell.setStandardInputFile(QProcess::nullDevice());
    shell.start(u"/bin/sh"_s, {script});
    ASSERT_TRUE(shell.waitForFinished());
    EXPECT_NE(shell.exitCode(), 0);
    EXPECT_EQ(read(u"elsewhere/precious"_s), "kept");
}

TEST(SetupCleanUp, TheScriptClearsTheTerminalThenRemovesOnlyTheListedFiles)
{
    testfiles::expectGolden(u"setup/fin_install.sh"_s,
                            cleanupscript::text(u"/opt/l'atelier/ZEP/"_s,
                                                {u"zep"_s, u"langues/English/phrases.lge"_s, u"it's"_s}));
}

TEST(SetupCleanUp, TheRootAndTheHomeFolderAreNeverCleanedUp)
{
    EXPECT_EQ(cleanupscript::write(u"/"_s, {}).number, 75);
    EXPECT_EQ(cleanupscript::write(QDir::homePath() + u'/', {}).number, 75);
    EXPECT_FALSE(QFileInfo::exists(QDir::homePath() + u"/fin_install.sh"_s));
}
