#include "support/TestFiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ZepcRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

ZepcRun zepc(const QStringList &arguments)
{
    QProcess process;
    process.start(testfiles::programPath(u"zepc"_s), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString examplePath()
{
    return QDir(testfiles::dataPath(u"../../examples/demo"_s)).absoluteFilePath(u"demo.zep"_s);
}

void copyExample(const QString &to)
{
    const QDir from(QFileInfo(examplePath()).absolutePath());
    for (const QString &name : from.entryList(QDir::Files))
        QFile::copy(from.filePath(name), QDir(to).filePath(name));
}

} // namespace

TEST(Zepc, TheBundledExampleChecksClean)
{
    const ZepcRun run = zepc({u"check"_s, examplePath()});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

TEST(Zepc, CheckReportsEachReadingErrorAndMissingFileOnALine)
{
    QTemporaryDir dir;
    copyExample(dir.path());
    QFile::remove(dir.filePath(u"code_survol.bmp"_s));
    QFile::remove(dir.filePath(u"quitter.bmp"_s));
    const ZepcRun run = zepc({u"check"_s, dir.filePath(u"demo.zep"_s)});
    EXPECT_EQ(run.exitCode, 1);
    const QStringList lines = run.err.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << run.err.toStdString();
    EXPECT_EQ(lines[0], u"Erreur : Fichier introuvable; Numéro d'erreur : 53; Paragraphe : [Bouton]; "
                        u"Ligne suivante : ; Continuer le chargement ?"_s);
    EXPECT_EQ(lines[1], u"Fichier manquant : code_survol.bmp"_s);
    EXPECT_EQ(lines[2], u"Fichier manquant : quitter.bmp"_s);
}

TEST(Zepc, SaveWritesTheSameFileBackAndMakesReferencesRelative)
{
    QTemporaryDir dir;
    copyExample(dir.path());
    const QString out = dir.filePath(u"copie.zep"_s);
    ZepcRun run = zepc({u"save"_s, dir.filePath(u"demo.zep"_s), out});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(testfiles::readBytes(out), testfiles::readBytes(examplePath()));

    QDir(dir.path()).mkdir(u"ailleurs"_s);
    run = zepc({u"save"_s, dir.filePath(u"demo.zep"_s), dir.filePath(u"ailleurs/menu.zep"_s)});
    EXPECT_EQ(run.exitCode, 0);
    const QByteArray moved = testfiles::readBytes(dir.filePath(u"ailleurs/menu.zep"_s));
    EXPECT_TRUE(moved.contains(dir.filePath(u"fond.jpg"_s).toUtf8() + "\r\n")) << "full paths to the old folder";
}

TEST(Zepc, SaveStillWritesButFailsWhenReadingHadErrors)
{
    QTemporaryDir dir;
    copyExample(dir.path());
    QFile::remove(dir.filePath(u"fond.jpg"_s));
    const ZepcRun run = zepc({u"save"_s, dir.filePath(u"demo.zep"_s), dir.filePath(u"out.zep"_s)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(u"Erreur : Fichier introuvable; Numéro d'erreur : 53; Paragraphe : [Général]"_s));
    EXPECT_TRUE(QFile::exists(dir.filePath(u"out.zep"_s)));
}

TEST(Zepc, WrongArgumentsAreAUsageError)
{
    EXPECT_EQ(zepc({}).exitCode, 2);
    EXPECT_EQ(zepc({u"check"_s}).exitCode, 2);
    EXPECT_EQ(zepc({u"save"_s, u"a.zep"_s}).exitCode, 2);
    EXPECT_EQ(zepc({u"compresser"_s}).exitCode, 2);
}
