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
    EXPECT_EQ(lines[0], u"Erreur : Fichier introuvable; Numéro d'erreur : 53; Paragraphe : [Bouton]; "
                        u"Ligne suivante : ; Continuer le chargement ?"_s);
    EXPECT_EQ(lines[1], u"Fichier manquant : code_survol.bmp"_s);
    EXPECT_EQ(lines[2], u"Fichier manquant : quitter.bmp"_s);
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
    EXPECT_TRUE(run.errText().startsWith(u"Erreur : Fichier introuvable; Numéro d'erreur : 53; Paragraphe : [Général]"_s));
    EXPECT_TRUE(QFile::exists(dir.filePath(u"out.zep"_s)));
}

TEST(Zepc, WrongArgumentsAreAUsageError)
{
    const testfiles::ProgramRun bare = zepc({});
    EXPECT_EQ(bare.exitCode, 2);
    EXPECT_TRUE(bare.errText().startsWith(u"usage: zepc check PROJECT.zep\n"_s));
    EXPECT_TRUE(bare.errText().endsWith(u"compile makes FOLDER when it is missing.\n"_s))
        << "the usage ends its last line";
    EXPECT_EQ(zepc({u"check"_s}).exitCode, 2);
    EXPECT_EQ(zepc({u"save"_s, u"a.zep"_s}).exitCode, 2);
    EXPECT_EQ(zepc({u"compresser"_s}).exitCode, 2);
}

TEST(Zepc, HelpAndVersionGoToStandardOutput)
{
    const testfiles::ProgramRun help = zepc({u"--help"_s});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.err.isEmpty());
    EXPECT_TRUE(help.outText().startsWith(u"usage: zepc check PROJECT.zep\n"_s));
    EXPECT_TRUE(help.outText().contains(u"--version"_s));
    EXPECT_TRUE(help.outText().endsWith(u'\n'));

    const testfiles::ProgramRun version = zepc({u"--version"_s});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.outText(), u"zepc "_s + QString::number(ZEP_VERSION_MAJOR) + u'.' +
                                     QString::number(ZEP_VERSION_MINOR) + u'.' + QString::number(ZEP_VERSION_PATCH) +
                                     u'\n');
}
