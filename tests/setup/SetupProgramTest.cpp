#include "setup/SetupFixture.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

struct SetupRun
{
    int exitCode;
    QString err;
};

} // namespace

// The real program, copied into a package folder, against a temporary home.
class SetupProgramFixture : public SetupFixture
{
protected:
    SetupProgramFixture()
    {
        QFile::copy(testfiles::programPath(u"setup"_s), path(u"package/setup"_s));
    }

    SetupRun run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"HOME"_s, path(u"home"_s));
        env.insert(u"XDG_DATA_HOME"_s, path(u"home/data"_s));
        env.insert(u"XDG_CONFIG_HOME"_s, path(u"home/config"_s));
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        process.setProcessEnvironment(env);
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
    }
};

TEST_F(SetupProgramFixture, SilentInstallThenSilentUninstallLeaveAnEmptyFolder)
{
    const QString destination = path(u"home/ZEP"_s);
    const SetupRun install = run(path(u"package/setup"_s), {u"--silent"_s, destination});
    ASSERT_EQ(install.exitCode, 0) << install.err.toStdString();
    EXPECT_EQ(read(u"home/ZEP/zep"_s), "designer");
    EXPECT_TRUE(exists(u"home/ZEP/setup"_s));
    EXPECT_TRUE(exists(u"home/ZEP/desinstall.zdu"_s));
    EXPECT_TRUE(exists(u"home/data/applications/ZEP - créateur de menus/Désinstaller ZEP.desktop"_s));
    EXPECT_TRUE(exists(u"home/Desktop/ZEP - Créateur de menus.desktop"_s));

    const SetupRun uninstall = run(path(u"home/ZEP/setup"_s), {u"--uninstall"_s, u"--silent"_s});
    ASSERT_EQ(uninstall.exitCode, 0) << uninstall.err.toStdString();
    EXPECT_TRUE(QFileInfo(destination).isDir());
    EXPECT_TRUE(QDir(destination).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    EXPECT_FALSE(exists(u"home/data/applications/ZEP - créateur de menus"_s));
    EXPECT_FALSE(exists(u"home/Desktop/ZEP - Créateur de menus.desktop"_s));
    EXPECT_TRUE(exists(u"package/setup"_s));
}

TEST_F(SetupProgramFixture, UninstallingKeepsTheUsersFilesAndRefusedFoldersAreLeftAlone)
{
    write(u"home/Documents/letter.odt"_s, "mine");
    const SetupRun documents = run(path(u"package/setup"_s), {u"--silent"_s, path(u"home/Documents"_s)});
    EXPECT_EQ(documents.exitCode, 1);
    EXPECT_TRUE(documents.err.endsWith(u"Choisissez un répertoire vide ou un nouveau répertoire.\n"_s))
        << documents.err.toStdString();
    EXPECT_FALSE(exists(u"home/Documents/zep"_s));

    const SetupRun itself = run(path(u"package/setup"_s), {u"--silent"_s, path(u"package"_s)});
    EXPECT_EQ(itself.exitCode, 1);
    EXPECT_TRUE(itself.err.endsWith(u"Choisissez un autre répertoire.\n"_s)) << itself.err.toStdString();
    EXPECT_EQ(read(u"package/zep"_s), "designer");
    EXPECT_TRUE(exists(u"package/setup"_s));

    ASSERT_EQ(run(path(u"package/setup"_s), {u"--silent"_s, path(u"home/ZEP"_s)}).exitCode, 0);
    write(u"home/ZEP/projet.zep"_s, "a project");
    write(u"home/ZEP/langues/English/notes.txt"_s, "mine too");
    ASSERT_EQ(run(path(u"home/ZEP/setup"_s), {u"--uninstall"_s, u"--silent"_s}).exitCode, 0);
    EXPECT_EQ(QDir(path(u"home/ZEP"_s)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{u"langues"_s, u"projet.zep"_s}));
    EXPECT_EQ(read(u"home/ZEP/langues/English/notes.txt"_s), "mine too");
    EXPECT_FALSE(exists(u"home/ZEP/langues/English/phrases.lge"_s));
}

TEST_F(SetupProgramFixture, AnInstallationInTheHomeFolderIsNotRemoved)
{
    QDir().mkpath(path(u"home"_s));
    ASSERT_TRUE(QFile::copy(path(u"package/setup"_s), path(u"home/setup"_s)));
    write(u"home/desinstall.zdu"_s, "");
    write(u"home/desinstall.lst"_s, "setup\n");
    const SetupRun uninstall = run(path(u"home/setup"_s), {u"--uninstall"_s, u"--silent"_s});
    EXPECT_EQ(uninstall.exitCode, 1);
    EXPECT_TRUE(uninstall.err.endsWith(u"Aucun fichier n'a été supprimé.\n"_s)) << uninstall.err.toStdString();
    EXPECT_TRUE(exists(u"home/setup"_s));
    EXPECT_TRUE(exists(u"home/desinstall.zdu"_s));
}

TEST_F(SetupProgramFixture, BadCommandLinesFailWithAMessage)
{
    const SetupRun relative = run(path(u"package/setup"_s), {u"--silent"_s, u"relative/ZEP"_s});
    EXPECT_EQ(relative.exitCode, 1);
    EXPECT_TRUE(relative.err.endsWith(u"Répertoire incorrect !\n"_s)) << relative.err.toStdString();

    const SetupRun notInstalled = run(path(u"package/setup"_s), {u"--uninstall"_s, u"--silent"_s});
    EXPECT_EQ(notInstalled.exitCode, 1);
    EXPECT_TRUE(exists(u"package/zep"_s));

    EXPECT_EQ(run(path(u"package/setup"_s), {u"--bogus"_s}).exitCode, 2);
}
