#include "build/HtmlLauncher.h"
#include "build/HtmlExport.h"
#include "project/MenuProject.h"
#include "support/ProjectSettingsEdit.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(HtmlLauncher, ThePageSizesTheWindowLikeTheMenu)
{
    // A comma would break the page's script: the locale must not matter.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    MenuProject project;
    project.setSize(9600, 7200);
    testfiles::expectGolden(u"build/index-640x480.htm"_s, HtmlLauncher(project).page());

    project.setSize(9610, 7205);
    testfiles::expectGolden(u"build/index-fraction.htm"_s, HtmlLauncher(project).page());

    projectsettings::set(project, &ProjectSettings::fullScreen, 1);
    testfiles::expectGolden(u"build/index-full-screen.htm"_s, HtmlLauncher(project).page());
    QLocale::setDefault(QLocale::c());
}

class HtmlExportTest : public ::testing::Test
{
protected:
    HtmlExportTest()
    {
        m_project.setSize(9600, 7200);
        m_export.setDefaultFolder(m_dir.path() + u'/');
    }

    void answer(const QString &folder)
    {
        m_prompter.expectInput({u"rep ?"_s, QString(), m_dir.path() + u'/'}, folder);
    }

    QTemporaryDir m_dir;
    MenuProject m_project;
    ScriptedPrompter m_prompter;
    HtmlExport m_export{m_project, m_prompter};
};

TEST_F(HtmlExportTest, TheDefaultAnswerIsTheDesktopFolder)
{
    EXPECT_TRUE(HtmlExport::desktopFolder().endsWith(u"/"_s));
    EXPECT_TRUE(QDir::isAbsolutePath(HtmlExport::desktopFolder()));
}

TEST_F(HtmlExportTest, AFolderTypedWithoutItsSeparatorGetsOneAndTheOldPageIsReplaced)
{
    QDir(m_dir.path()).mkdir(u"site"_s);
    testfiles::writeBytes(m_dir.filePath(u"site/index.htm"_s), "ancien");
    answer(m_dir.filePath(u"site"_s));
    EXPECT_TRUE(m_export.run());
    EXPECT_EQ(testfiles::readBytes(m_dir.filePath(u"site/index.htm"_s)), HtmlLauncher(m_project).page());
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(u"siteindex.htm"_s)));
    EXPECT_TRUE(m_prompter.allAnswered()) << "no message on success";
}

TEST_F(HtmlExportTest, CancelWritesNothingAnywhere)
{
    const QString before = QDir::currentPath();
    QDir::setCurrent(m_dir.path());
    answer(QString());
    EXPECT_FALSE(m_export.run());
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty());
    QDir::setCurrent(before);
}

TEST_F(HtmlExportTest, AMissingOrUnwritableFolderSaysSo)
{
    answer(m_dir.filePath(u"absent"_s));
    m_prompter.expectMessage(u"Le dossier "_s + m_dir.filePath(u"absent/"_s) + u" n'existe pas !"_s, u"Erreur !"_s,
                             MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    EXPECT_FALSE(m_export.run());

    // A folder in the way of the page stands for any file that cannot be written.
    QDir(m_dir.path()).mkpath(u"site/index.htm"_s);
    answer(m_dir.filePath(u"site/"_s));
    m_prompter.expectMessage(u"Impossible d'écrire "_s + m_dir.filePath(u"site/index.htm"_s) +
                                 u" (Erreur d'accès au chemin/fichier)"_s,
                             u"Erreur !"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    EXPECT_FALSE(m_export.run());
    EXPECT_TRUE(m_prompter.allAnswered());
}
