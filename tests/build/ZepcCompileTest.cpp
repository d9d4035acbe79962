#include "BuildFixtures.h"

#include "project/MenuProject.h"
#include "project/ProjectWriter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

testfiles::ProgramRun zepc(const QStringList &arguments)
{
    return testfiles::runProgram(u"zepc"_s, arguments);
}

// The example menu in a folder of its own, as the build writes companions beside its images.
QString copyDemo(const QTemporaryDir &dir)
{
    return testfiles::copyExample(dir.filePath(u"demo"_s));
}

} // namespace

TEST(ZepcCompileTest, CompileRefusesAnEarlierMenuWithoutForce)
{
    QTemporaryDir dir;
    const QString project = copyDemo(dir);
    const QString cd = dir.filePath(u"cd"_s);
    QDir().mkpath(cd);

    testfiles::ProgramRun run = zepc({u"compile"_s, project, cd, u"--light"_s});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_TRUE(QFile::exists(cd + u"/zep/autorun.exe"_s));
    EXPECT_FALSE(QFile::exists(cd + u"/zep/Msscript.ocx"_s));
    EXPECT_TRUE(QFile::exists(cd + u"/zep/video.bmp_transp.bmp"_s));

    run = zepc({u"compile"_s, project, cd});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errText(), u"Le dossier contient déjà un dossier 'zep' : ajoutez --force pour le remplacer.\n"_s);
    EXPECT_FALSE(QFile::exists(cd + u"/zep/Msscript.ocx"_s));

    run = zepc({u"compile"_s, project, cd, u"--force"_s, u"--name"_s, u"Nom"_s, u"--author"_s, u"Moi"_s});
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_TRUE(QFile::exists(cd + u"/zep/Msscript.ocx"_s));
    EXPECT_TRUE(testfiles::readBytes(cd + u"/zep/autorun.exe"_s)
                    .contains("\xAC"
                              "Nom\xAC"
                              "Moi\xAC"));

    run = zepc({u"compile"_s, project, cd, u"--sub"_s, u"../x"_s});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath(u"x.exe"_s)));

    EXPECT_EQ(zepc({u"compile"_s, project}).exitCode, 2);
}

TEST(ZepcCompileTest, BothPathsAreTakenFromTheCallersFolder)
{
    QTemporaryDir dir;
    const QString project = QDir::current().relativeFilePath(copyDemo(dir));
    const QString cd = QDir::current().relativeFilePath(dir.filePath(u"cd"_s));
    const testfiles::ProgramRun run = zepc({u"compile"_s, project, cd, u"--light"_s});
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(u"cd/zep/autorun.exe"_s))) << "the missing folder is made";

    const QString copy = QDir::current().relativeFilePath(dir.filePath(u"copie.zep"_s));
    const testfiles::ProgramRun save = zepc({u"save"_s, project, copy});
    EXPECT_EQ(save.exitCode, 0) << save.errText().toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(u"copie.zep"_s)));
}

TEST(ZepcCompileTest, TheDiscCarriesTheWindowsPlayerUnlessLinuxIsAskedFor)
{
    QTemporaryDir dir;
    const QString project = copyDemo(dir);
    const QString windows = dir.filePath(u"windows"_s);
    const QString linux = dir.filePath(u"linux"_s);
    QDir().mkpath(windows);
    QDir().mkpath(linux);
    ASSERT_EQ(zepc({u"compile"_s, project, windows, u"--light"_s}).exitCode, 0);
    ASSERT_EQ(zepc({u"compile"_s, project, linux, u"--light"_s, u"--linux"_s}).exitCode, 0);

    const QByteArray onWindows = testfiles::readBytes(windows + u"/zep/autorun.exe"_s);
    const QByteArray onLinux = testfiles::readBytes(linux + u"/zep/autorun.exe"_s);
    const QByteArray windowsPlayer = testfiles::readBytes(testfiles::programPath(u"compil.exe"_s));
    const QByteArray linuxPlayer = testfiles::readBytes(testfiles::programPath(u"compil"_s));
    ASSERT_TRUE(onWindows.startsWith(windowsPlayer));
    ASSERT_TRUE(onLinux.startsWith(linuxPlayer));
    // Apart from the player's own bytes, both compilations write the same menu data.
    EXPECT_EQ(onWindows.mid(windowsPlayer.size()), onLinux.mid(linuxPlayer.size()));
    EXPECT_TRUE(onWindows.mid(windowsPlayer.size()).startsWith("(debut)\xAC"));
}

TEST(ZepcCompileTest, MenuDataPrintsTheLinesWithTheDialogsDefaults)
{
    QTemporaryDir dir;
    const testfiles::ProgramRun run = zepc({u"menudata"_s, copyDemo(dir)});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QStringList lines = run.outText().split(u'\n');
    ASSERT_GT(lines.size(), 40);
    EXPECT_EQ(lines[0], u"FICHIER DAT COMPATIBLE ZEP V2.0"_s);
    EXPECT_EQ(lines[1], u"[Général]"_s);
    EXPECT_EQ(lines[6], u"demo"_s);
    EXPECT_EQ(lines[7], u"Équipe ZEP (contact@zep.example.org)"_s);
    EXPECT_EQ(lines[lines.size() - 2].left(35), u"FICHIER GENERE PAR ZEP - COPYRIGHT "_s);
    EXPECT_TRUE(lines.contains(u"video.bmp_transp.bmp"_s));
}

TEST(ZepcCompileTest, AFailedCompileLeavesNoFolderItMade)
{
    QTemporaryDir dir;
    const QString project = copyDemo(dir);
    // A sub menu needs a compiled main menu: the new folder cannot hold one.
    const testfiles::ProgramRun run =
        zepc({u"compile"_s, project, dir.filePath(u"nouveau/cd"_s), u"--sub"_s, u"sous"_s});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errText(), u"Aucun menu principal trouvé dans ce répertoire !\n"_s);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"nouveau"_s)));

    // A folder that was there stays, with what the failure left in it.
    QDir().mkpath(dir.filePath(u"cd"_s));
    QFile::remove(dir.filePath(u"demo/install.bat"_s));
    EXPECT_EQ(zepc({u"compile"_s, project, dir.filePath(u"cd"_s), u"--sub"_s, u"sous"_s}).exitCode, 1);
    EXPECT_TRUE(QFileInfo(dir.filePath(u"cd"_s)).isDir());
}

TEST(ZepcCompileTest, CheckAlsoTellsWhatTheCompilationWouldRefuse)
{
    QTemporaryDir dir;
    MenuProject project;
    buildfixtures::fillMenu(project, dir.path());
    MenuButton video = project.button(1);
    video.code.clear();
    project.setButton(1, video);
    const QString path = dir.filePath(u"menu.zep"_s);
    testfiles::writeBytes(path, ProjectWriter(project).toBytes(path));

    testfiles::ProgramRun run = zepc({u"check"_s, path});
    EXPECT_EQ(run.exitCode, 0) << "the multimedia rule is the designer's option";
    EXPECT_EQ(run.outText(), path + u" : aucun problème\n"_s);

    run = zepc({u"check"_s, path, u"--strict"_s});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errText(), u"Vous avez oublié d'indiquer un fichier multimédia pour le bouton n°1 !\n"_s);
    EXPECT_EQ(run.outText(), path + u" : 1 problème de compilation\n"_s);
}

TEST(ZepcCompileTest, OnATerminalTheStepsShowAndQuietOrAPipeShowsNone)
{
    QTemporaryDir dir;
    const QString project = copyDemo(dir);
    const QString zepcPath = testfiles::programPath(u"zepc"_s);
    // script gives zepc a terminal of its own and copies what it shows.
    const auto onTerminal = [&](const QString &folder, const QString &extra) {
        QProcess script;
        script.start(u"script"_s,
                     {u"-qec"_s, u"'"_s + zepcPath + u"' compile '"_s + project + u"' '"_s + folder + u"' "_s + extra,
                      u"/dev/null"_s});
        EXPECT_TRUE(script.waitForFinished(120000));
        return QString::fromUtf8(script.readAllStandardOutput()).remove(u'\r');
    };
    const QString shown = onTerminal(dir.filePath(u"cd"_s), QString());
    EXPECT_TRUE(shown.contains(u"Dossier OK. Copie des fichiers :\n"_s)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(u"Création de l'Autorun... Terminé.\n"_s)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(u"Copie des fichiers RUNTIME... Copie de Msscript.ocx... (9/11)"_s));
    EXPECT_TRUE(shown.contains(u"\x1b[KCopie des fichiers RUNTIME... Terminé.\n"_s)) << "the line is rewritten";
    EXPECT_TRUE(shown.endsWith(u"Menu compilé dans "_s + dir.filePath(u"cd/"_s) +
                               u" : gravez son contenu à la racine du disque.\n"_s))
        << shown.toStdString();

    EXPECT_EQ(onTerminal(dir.filePath(u"cd2"_s), u"--quiet"_s), QString());
    const testfiles::ProgramRun piped = zepc({u"compile"_s, project, dir.filePath(u"cd3"_s)});
    EXPECT_EQ(piped.outText(),
              u"Menu compilé dans "_s + dir.filePath(u"cd3/"_s) + u" : gravez son contenu à la racine du disque.\n"_s);
    EXPECT_TRUE(piped.err.isEmpty());
}
