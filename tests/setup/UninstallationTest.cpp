#include "setup/SetupFixture.h"

#include "setup/core/CleanupScript.h"
#include "setup/core/InstallObserver.h"
#include "setup/core/Installation.h"
#include "setup/core/SilentSetup.h"
#include "setup/core/UninstallFlow.h"
#include "setup/core/UninstallRecord.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
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
    m_prompter.expectMessage(uninstallQuestion(), Answer::Yes);
    m_prompter.expectMessage(u"Désinstallation de ZEP terminée avec succès !"_s, u"Désinstallation de ZEP..."_s,
                             MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    EXPECT_TRUE(m_flow.run());

    EXPECT_FALSE(QFileInfo::exists(m_places.groupFolder()));
    EXPECT_TRUE(contentOf(m_places.desktopFolder).isEmpty());
    EXPECT_EQ(contentOf(m_folder), (QStringList{u"fin_install.sh"_s, u"langues"_s}));
    ASSERT_EQ(m_started, QStringList{m_folder + u"fin_install.sh"_s});

    silentsetup::runCleanupScript(m_started.front());
    EXPECT_TRUE(QFileInfo(m_folder).isDir());
    EXPECT_TRUE(contentOf(m_folder).isEmpty());
    EXPECT_FALSE(contentOf(path(u"package"_s)).isEmpty());
}

TEST_F(SetupFixture, TheCleanUpScriptWorksInAFolderWithSpacesAndQuotesAndNowhereElse)
{
    const QString folder = path(u"it's a \"folder\" $HOME/ZEP/"_s);
    write(u"it's a \"folder\" $HOME/ZEP/sub/file"_s, "x");
    write(u"it's a \"folder\" $HOME/ZEP/.hidden"_s, "x");
    write(u"it's a \"folder\" $HOME/sibling"_s, "kept");
    ASSERT_FALSE(cleanupscript::write(folder).isError());

    silentsetup::runCleanupScript(folder + u"fin_install.sh"_s);
    EXPECT_TRUE(contentOf(folder).isEmpty());
    EXPECT_EQ(read(u"it's a \"folder\" $HOME/sibling"_s), "kept");
}

TEST_F(SetupFixture, TheCleanUpScriptDeletesNothingWhenItsFolderIsGone)
{
    const QString folder = path(u"gone/"_s);
    write(u"gone/file"_s, "x");
    ASSERT_FALSE(cleanupscript::write(folder).isError());
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

TEST(SetupCleanUp, TheRootAndTheHomeFolderAreNeverCleanedUp)
{
    EXPECT_EQ(cleanupscript::write(u"/"_s).number, 75);
    EXPECT_EQ(cleanupscript::write(QDir::homePath() + u'/').number, 75);
    EXPECT_FALSE(QFileInfo::exists(QDir::homePath() + u"/fin_install.sh"_s));
}
