#include "BuildFixtures.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ZepcDiscTest : public ::testing::Test
{
protected:
    ZepcDiscTest() : m_project(testfiles::copyExample(m_dir.filePath(u"demo"_s))) {}

    // zepc run from the temporary folder, so relative paths are the caller's.
    testfiles::ProgramRun zepc(const QStringList &arguments)
    {
        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(testfiles::programPath(u"zepc"_s), arguments);
        EXPECT_TRUE(process.waitForFinished(120000));
        return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_project;
};

} // namespace

TEST_F(ZepcDiscTest, ExeWritesOneNamedProgramWithoutAutorunFromRelativePaths)
{
    QDir().mkpath(path(u"out"_s));
    buildfixtures::writeFile(path(u"out/zep/old.exe"_s), "earlier");
    testfiles::ProgramRun run = zepc({u"exe"_s, u"demo/demo.zep"_s, u"out"_s, u"menu"_s, u"--light"_s});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errText(), u"Le dossier contient déjà un dossier 'zep' : ajoutez --force pour le remplacer.\n"_s);
    EXPECT_TRUE(QFileInfo::exists(path(u"out/zep/old.exe"_s)));

    run = zepc({u"exe"_s, u"demo/demo.zep"_s, u"out"_s, u"menu"_s, u"--light"_s, u"--force"_s, u"--name"_s, u"Nom"_s,
                u"--author"_s, u"Moi"_s});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_TRUE(QFileInfo::exists(path(u"out/zep/menu.exe"_s)));
    EXPECT_TRUE(testfiles::readBytes(path(u"out/zep/menu.exe"_s))
                    .contains("\xAC"
                              "Nom\xAC"
                              "Moi\xAC"));
    EXPECT_FALSE(QFileInfo::exists(path(u"out/zep/old.exe"_s)));
    EXPECT_FALSE(QFileInfo::exists(path(u"out/zep/autorun.exe"_s)));
    // Names without case: no autorun file is left whatever case it was written in.
    EXPECT_EQ(QDir(path(u"out"_s)).entryList({u"autorun.*"_s}, QDir::Files), QStringList());
    EXPECT_FALSE(QFileInfo::exists(path(u"out/zep/Msvbvm60.dll"_s)));
    EXPECT_TRUE(run.err.isEmpty()) << run.errText().toStdString();
    EXPECT_EQ(run.outText(), u"Exécutable écrit : "_s + path(u"out/zep/menu.exe"_s) + u'\n');

    EXPECT_EQ(zepc({u"exe"_s, u"demo/demo.zep"_s, u"absent"_s, u"menu"_s}).exitCode, 1);
    EXPECT_EQ(zepc({u"exe"_s, u"demo/demo.zep"_s, u"out"_s}).exitCode, 2);
}

TEST_F(ZepcDiscTest, AnExecutableNameLeadingOutOfTheFolderIsRefused)
{
    QDir().mkpath(path(u"a/b/out"_s));
    const testfiles::ProgramRun run = zepc({u"exe"_s, u"demo/demo.zep"_s, u"a/b/out"_s, u"../../hors"_s});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errText().startsWith(u"Le nom de l'exécutable '../../hors' est incorrect"_s))
        << run.errText().toStdString();
    EXPECT_EQ(buildfixtures::listing(path(u"a"_s)), u"\n"_s) << "nothing written anywhere";
}

TEST_F(ZepcDiscTest, IsoHoldsExactlyWhatAPlainCompileWrites)
{
    QDir().mkpath(path(u"plain"_s));
    testfiles::ProgramRun run = zepc({u"compile"_s, u"demo/demo.zep"_s, path(u"plain"_s)});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    run = zepc({u"iso"_s, u"demo/demo.zep"_s, u"menu.iso"_s});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_EQ(run.outText(), u"Image ISO écrite : "_s + path(u"menu.iso"_s) + u'\n');
    const QByteArray first = testfiles::readBytes(path(u"menu.iso"_s));

    run = zepc({u"iso"_s, u"demo/demo.zep"_s, u"menu.iso"_s, u"--light"_s});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errText(),
              u"Le fichier "_s + path(u"menu.iso"_s) + u" existe déjà : ajoutez --force pour le remplacer.\n"_s);
    EXPECT_EQ(testfiles::readBytes(path(u"menu.iso"_s)), first);
    run = zepc({u"iso"_s, u"demo/demo.zep"_s, u"menu.iso"_s, u"--light"_s, u"--force"_s, u"--quiet"_s});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_LT(QFileInfo(path(u"menu.iso"_s)).size(), first.size()) << "replaced by the light image";
    run = zepc({u"iso"_s, u"demo/demo.zep"_s, u"menu.iso"_s, u"--force"_s});
    ASSERT_EQ(run.exitCode, 0);

    QProcess xorriso;
    xorriso.start(u"xorriso"_s, {u"-osirrox"_s, u"on"_s, u"-indev"_s, path(u"menu.iso"_s), u"-extract"_s, u"/"_s,
                                 path(u"extracted"_s)});
    ASSERT_TRUE(xorriso.waitForFinished(60000));
    ASSERT_EQ(xorriso.exitCode(), 0) << xorriso.readAllStandardError().toStdString();

    const QString plain = path(u"plain/"_s);
    const QString extracted = path(u"extracted/"_s);
    ASSERT_EQ(buildfixtures::listing(extracted), buildfixtures::listing(plain));
    for (const QString &name : buildfixtures::listing(plain).split(u'\n', Qt::SkipEmptyParts))
        EXPECT_EQ(testfiles::readBytes(extracted + name), testfiles::readBytes(plain + name)) << name.toStdString();
    for (const QString &name : buildfixtures::listing(plain).split(u'\n', Qt::SkipEmptyParts))
        EXPECT_EQ(QFileInfo(extracted + name).isExecutable(), QFileInfo(plain + name).isExecutable())
            << name.toStdString();
}

TEST_F(ZepcDiscTest, AnIsoThatCannotBeWrittenFailsAndLeavesNothing)
{
    const testfiles::ProgramRun run = zepc({u"iso"_s, u"demo/demo.zep"_s, u"pas de dossier/menu.iso"_s});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errText().startsWith(u"Impossible d'écrire "_s + path(u"pas de dossier/menu.iso"_s)))
        << run.errText().toStdString();
    EXPECT_FALSE(QFileInfo::exists(path(u"pas de dossier"_s)));
}
