#include "support/TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

testfiles::ProgramRun zepc(const QStringList &arguments)
{
    return testfiles::runProgram(u"zepc"_s, arguments);
}

} // namespace

TEST(Zepc, TheBundledExampleChecksClean)
{
    const testfiles::ProgramRun run = zepc({u"check"_s, testfiles::exampleProject()});
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.errText().toStdString();
}

TEST(Zepc, CheckReportsEachReadingErrorAndMissingFileOnALine)
{
    QTemporaryDir dir;
    testfiles::copyExample(dir.path());
    QFile::remove(dir.filePath(u"code_survol.bmp"_s));
    QFile::remove(dir.filePath(u"quitter.bmp"_s));
    const testfiles::ProgramRun run = zepc({u"check"_s, dir.filePath(u"demo.zep"_s)});
    EXPECT_EQ(run.exitCode, 1);
    const QStringList lines = run.errText().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << run.errText().toStdString();
    EXPECT_EQ(lines[0], dir.filePath(u"demo.zep"_s) + u":79: Fichier introuvable (erreur 53, paragraphe [Bouton])"_s);
    EXPECT_EQ(lines[1], u"Fichier manquant : code_survol.bmp"_s);
    EXPECT_EQ(lines[2], u"Fichier manquant : quitter.bmp"_s);
    EXPECT_EQ(run.outText(), dir.filePath(u"demo.zep"_s) + u" : 1 erreur de lecture, 2 fichiers manquants\n"_s);
}

TEST(Zepc, CheckRefusesAFileThatIsNoProject)
{
    QTemporaryDir dir;
    const QString notes = dir.filePath(u"notes.txt"_s);
    testfiles::writeBytes(notes, "Liste des courses\n");
    const testfiles::ProgramRun run = zepc({u"check"_s, notes});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errText(), u"Le fichier '"_s + notes + u"' n'est pas un projet ZEP.\n"_s);
    EXPECT_EQ(run.outText(), notes + u" : 1 erreur de lecture\n"_s);

    const testfiles::ProgramRun save = zepc({u"save"_s, notes, dir.filePath(u"copie.zep"_s)});
    EXPECT_EQ(save.exitCode, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath(u"copie.zep"_s))) << "no blank project written from it";

    const testfiles::ProgramRun absent = zepc({u"check"_s, dir.filePath(u"absent.zep"_s)});
    EXPECT_EQ(absent.exitCode, 1);
    EXPECT_EQ(absent.errText(), dir.filePath(u"absent.zep"_s) + u": Fichier introuvable (erreur 53)\n"_s);
}

TEST(Zepc, SaveWritesTheSameFileBackAndMakesReferencesRelative)
{
    QTemporaryDir dir;
    testfiles::copyExample(dir.path());
    const QString out = dir.filePath(u"copie.zep"_s);
    testfiles::ProgramRun run = zepc({u"save"_s, dir.filePath(u"demo.zep"_s), out});
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_EQ(testfiles::readBytes(out), testfiles::readBytes(testfiles::exampleProject()));

    QDir(dir.path()).mkdir(u"ailleurs"_s);
    run = zepc({u"save"_s, dir.filePath(u"demo.zep"_s), dir.filePath(u"ailleurs/menu.zep"_s)});
    EXPECT_EQ(run.exitCode, 0);
    const QByteArray moved = testfiles::readBytes(dir.filePath(u"ailleurs/menu.zep"_s));
    EXPECT_TRUE(moved.contains(dir.filePath(u"fond.jpg"_s).toUtf8() + "\r\n")) << "full paths to the old folder";
}

TEST(Zepc, SaveStillWritesButFailsWhenReadingHadErrors)
{
    QTemporaryDir dir;
    testfiles::copyExample(dir.path());
    QFile::remove(dir.filePath(u"fond.jpg"_s));
    const testfiles::ProgramRun run = zepc({u"save"_s, dir.filePath(u"demo.zep"_s), dir.filePath(u"out.zep"_s)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errText().startsWith(dir.filePath(u"demo.zep"_s) + u":"_s));
    EXPECT_TRUE(run.errText().endsWith(u": Fichier introuvable (erreur 53, paragraphe [Général])\n"_s))
        << run.errText().toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(u"out.zep"_s)));
}

TEST(Zepc, WrongArgumentsAreAUsageErrorWithAMessage)
{
    const testfiles::ProgramRun bare = zepc({});
    EXPECT_EQ(bare.exitCode, 2);
    EXPECT_EQ(bare.errText(), u"usage: zepc COMMANDE ARGUMENTS [OPTIONS]\nEssayez « zepc --help ».\n"_s);

    const testfiles::ProgramRun unknown = zepc({u"compresser"_s});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.errText().startsWith(u"zepc: commande inconnue : compresser\n"_s));
    EXPECT_EQ(zepc({u"--verbose"_s}).errText().split(u'\n').first(), u"zepc: option inconnue : --verbose"_s);

    const testfiles::ProgramRun option = zepc({u"compile"_s, u"a.zep"_s, u"cd"_s, u"--lite"_s});
    EXPECT_EQ(option.exitCode, 2);
    EXPECT_EQ(option.errText(), u"zepc compile: option inconnue : --lite\n"
                                u"usage: zepc compile PROJET.zep DOSSIER [--sub NOM] [--light] [--name NOM] "
                                u"[--author AUTEUR] [--force] [--linux] [--quiet]\n"_s);
    EXPECT_EQ(zepc({u"check"_s}).errText().split(u'\n').first(), u"zepc check: il manque PROJET.zep"_s);
    EXPECT_EQ(zepc({u"save"_s, u"a.zep"_s}).exitCode, 2);
    EXPECT_EQ(zepc({u"menudata"_s, u"a.zep"_s, u"b.zep"_s}).errText().split(u'\n').first(),
              u"zepc menudata: argument en trop : b.zep"_s);
    EXPECT_EQ(zepc({u"compile"_s, u"a.zep"_s, u"cd"_s, u"--sub"_s}).errText().split(u'\n').first(),
              u"zepc compile: l'option --sub attend une valeur"_s);
    EXPECT_EQ(zepc({u"vbs"_s, u"-x"_s}).exitCode, 2);
}

TEST(Zepc, HelpAndVersionGoToStandardOutput)
{
    const testfiles::ProgramRun help = zepc({u"--help"_s});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.err.isEmpty());
    EXPECT_TRUE(help.outText().startsWith(u"usage: zepc COMMANDE ARGUMENTS [OPTIONS]\n"_s));
    EXPECT_TRUE(help.outText().contains(u"--version"_s));
    EXPECT_TRUE(help.outText().contains(u"Codes de sortie :\n  0  "_s));
    EXPECT_TRUE(help.outText().endsWith(u'\n'));

    const testfiles::ProgramRun one = zepc({u"menudata"_s, u"--help"_s});
    EXPECT_EQ(one.exitCode, 0);
    EXPECT_EQ(one.outText(),
              u"usage: zepc menudata PROJET.zep\nAffiche les lignes des données du menu, une par ligne.\n"_s);

    const testfiles::ProgramRun version = zepc({u"--version"_s});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.outText(), u"zepc "_s + QString::number(ZEP_VERSION_MAJOR) + u'.' +
                                     QString::number(ZEP_VERSION_MINOR) + u'.' + QString::number(ZEP_VERSION_PATCH) +
                                     u'\n');
}
