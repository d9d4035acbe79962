#include "build/HtmlLauncher.h"
#include "build/MenuPicture.h"
#include "project/MenuProject.h"
#include "project/ProjectStorage.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

testfiles::ProgramRun zepc(const QStringList &arguments)
{
    return testfiles::runProgram(u"zepc"_s, arguments);
}

class ZepcExportTest : public ::testing::Test
{
protected:
    ZepcExportTest() : m_path(testfiles::copyExample(m_dir.filePath(u"demo"_s)))
    {
        ProjectStorage(m_project, m_prompter).open(m_path);
    }

    QTemporaryDir m_dir;
    QString m_path;
    MenuProject m_project;
    ScriptedPrompter m_prompter;
};

} // namespace

TEST_F(ZepcExportTest, HtmlWritesTheDesignersPage)
{
    QDir().mkpath(m_dir.filePath(u"site"_s));
    testfiles::ProgramRun run = zepc({u"html"_s, m_path, m_dir.filePath(u"site"_s)});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_EQ(testfiles::readBytes(m_dir.filePath(u"site/index.htm"_s)), HtmlLauncher(m_project).page());

    run = zepc({u"html"_s, m_path, m_dir.filePath(u"absent"_s)});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errText(), u"Le dossier "_s + m_dir.filePath(u"absent/"_s) + u" n'existe pas !\n"_s);
    EXPECT_EQ(zepc({u"html"_s, m_path}).exitCode, 2);
}

TEST_F(ZepcExportTest, ImageWritesTheModelsPictureAsPngOrBmp)
{
    testfiles::ProgramRun run = zepc({u"image"_s, m_path, m_dir.filePath(u"menu.png"_s)});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const QImage expected = MenuPicture(m_project, m_dir.filePath(u"demo/"_s)).render();
    const QImage png(m_dir.filePath(u"menu.png"_s), "PNG");
    ASSERT_EQ(png.size(), expected.size());
    EXPECT_EQ(png.pixelColor(0, 0), expected.pixelColor(0, 0));
    EXPECT_EQ(png.pixelColor(png.width() / 2, png.height() / 2),
              expected.pixelColor(expected.width() / 2, expected.height() / 2));

    run = zepc({u"image"_s, m_path, m_dir.filePath(u"menu.BMP"_s)});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_TRUE(testfiles::readBytes(m_dir.filePath(u"menu.BMP"_s)).startsWith("BM"));
    EXPECT_EQ(QImage(m_dir.filePath(u"menu.BMP"_s)).size(), expected.size());

    run = zepc({u"image"_s, m_path, m_dir.filePath(u"menu.jpg"_s)});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(u"menu.jpg"_s)));
}
