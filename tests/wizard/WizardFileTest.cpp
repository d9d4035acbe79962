#include "WizardFixtures.h"

#include "common/Cp1252.h"
#include "support/TestFiles.h"
#include "wizard/WizardFinish.h"
#include "wizard/WizardScripts.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace wizardfixtures;

namespace {

class WizardFileTest : public ::testing::Test
{
protected:
    WizardFileTest()
    {
        QDir().mkpath(m_dir.filePath(u"sources"_s));
        QDir().mkpath(m_dir.filePath(u"menus"_s));
        m_project.saveFolder = m_dir.filePath(u"menus"_s);
        m_project.name = u"Mon menu"_s;
    }

    QString sources() const { return m_dir.filePath(u"sources"_s); }
    QString projectFolder() const { return m_dir.filePath(u"menus/Mon menu"_s); }
    QStringList projectFiles() const
    {
        return QDir(projectFolder()).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir m_dir;
    WizardProject m_project;
};

} // namespace

TEST_F(WizardFileTest, ThreeButtonsWithTheSecondDeletedMakeTwoBlocksNamedByListPosition)
{
    // A 40-pixel-high first button puts the next one 150 + 150 + 600 twips down.
    WizardButton first = graphicButton(0, sources(), u"vert"_s, QSize(60, 40));
    first.function = WizardButton::ShowMessage;
    first.argument1 = u"Bonjour"_s;
    first.argument2 = u"Première ligne\r\nSeconde"_s;
    WizardButton second = textButton(1, u"Supprimé"_s);
    second.deleted = true;
    WizardButton third = textButton(2, u"Sans fonction"_s);
    third.transparent = true;
    m_project.buttons = {first, second, third};
    m_project.nextButtonNumber = 3;
    m_project.contours = true;
    m_project.backgroundColour = 12632256;
    m_project.startup = WizardProject::Startup::Message;
    m_project.startupTitle = u"L'accueil"_s;
    m_project.startupMessage = u"Bienvenue"_s;

    const WizardFinish::Outcome outcome = WizardFinish().run(m_project);
    ASSERT_TRUE(outcome.succeeded()) << outcome.problem.toStdString();
    EXPECT_EQ(outcome.projectFile, projectFolder() + u"/Mon menu.zep"_s);
    EXPECT_EQ(m_project.saveFolder, m_dir.filePath(u"menus/"_s));
    testfiles::expectGolden(u"wizard/trois_boutons.zep"_s, testfiles::readBytes(outcome.projectFile));
    EXPECT_EQ(projectFiles(), (QStringList{u"Mon menu.zep"_s, u"bouton3_clique.bmp"_s, u"bouton3_normal.bmp"_s,
                                           u"bouton3_survol.bmp"_s, u"vert_c.bmp"_s, u"vert_n.bmp"_s,
                                           u"vert_s.bmp"_s}));
    EXPECT_EQ(QImage(projectFolder() + u"/vert_s.bmp"_s).pixelColor(1, 1), QColor(Qt::yellow));
}

TEST_F(WizardFileTest, AnImageBackgroundIsCopiedAndGivesTheSizeMusicAndTargetsFollow)
{
    writeImage(QDir(sources()).filePath(u"fond.jpg"_s), QSize(640, 480), Qt::blue);
    testfiles::writeBytes(QDir(sources()).filePath(u"musique.mid"_s), "MThd");
    m_project.backgroundIsImage = true;
    m_project.backgroundImage = QDir(sources()).filePath(u"fond.jpg"_s);
    m_project.musicOn = true;
    m_project.music = QDir(sources()).filePath(u"musique.mid"_s);
    m_project.startup = WizardProject::Startup::Open;
    m_project.startupTarget = u"[LECT]:\\lisez \"moi\".txt"_s;
    m_project.startupTargetKind = u"CD"_s;

    WizardButton site = graphicButton(0, sources(), u"site"_s, QSize(80, 20));
    site.function = WizardButton::OpenTarget;
    site.argument1 = u"http://www.example.org/"_s;
    site.argument2 = u"SITE"_s;
    // The same picture for hover and click is copied once.
    site.clickImage = site.hoverImage;
    WizardButton quit = graphicButton(1, sources(), u"fin"_s, QSize(80, 30));
    quit.function = WizardButton::QuitMenu;
    WizardButton video = graphicButton(2, sources(), u"film"_s, QSize(80, 30));
    video.function = WizardButton::PlayMultimedia;
    video.argument1 = u"[LECT]:\\videos\\film.avi"_s;
    m_project.buttons = {site, quit, video};

    const WizardFinish::Outcome outcome = WizardFinish().run(m_project);
    ASSERT_TRUE(outcome.succeeded()) << outcome.problem.toStdString();
    testfiles::expectGolden(u"wizard/image_de_fond.zep"_s, testfiles::readBytes(outcome.projectFile));
    EXPECT_TRUE(QFileInfo::exists(projectFolder() + u"/fond.jpg"_s));
    EXPECT_TRUE(QFileInfo::exists(projectFolder() + u"/musique.mid"_s));
}

TEST_F(WizardFileTest, TheChecksStopTheFinishInTheirOrderBeforeAnythingIsMade)
{
    const auto problem = [this] { return WizardFinish().run(m_project).problem; };
    const QString chosen = m_project.saveFolder;

    m_project.saveFolder.clear();
    EXPECT_EQ(problem(), u"Cliquez d'abord sur 'Enregistrer le menu...' !"_s);
    m_project.saveFolder = m_dir.filePath(u"absent"_s);
    EXPECT_EQ(problem(), u"Répertoire invalide !"_s);
    m_project.saveFolder = chosen;
    m_project.name.clear();
    EXPECT_EQ(problem(), u"Vous devez donner un nom à votre menu (étape 1) !"_s);
    for (const QString &name : {u"../dehors"_s, u"a/b"_s, u"a\\b"_s, u".."_s, u"deux..points"_s, u"a:b"_s,
                                u"quoi?"_s, u"<menu>"_s, u"tab\tulation"_s, u"fin."_s}) {
        m_project.name = name;
        EXPECT_EQ(problem(), u"Nom du projet invalide (étape1) !"_s) << name.toStdString();
    }
    EXPECT_TRUE(QDir(chosen).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(u"dehors"_s)));

    QDir(chosen).mkdir(u"Existant"_s);
    m_project.name = u"Existant"_s;
    EXPECT_EQ(problem(), u"Ce nom a déjà été utilisé dans ce répertoire ! (étape 1)"_s);
    EXPECT_TRUE(QDir(chosen + u"/Existant"_s).isEmpty());
    EXPECT_TRUE(WizardFinish::isValidName(u"Menu d'été (2)"_s));
}

TEST_F(WizardFileTest, AVanishedImageEndsTheFinishAndLeavesTheFolderWithoutAProjectFile)
{
    WizardButton text = textButton(0, u"Texte"_s);
    WizardButton picture = graphicButton(1, sources(), u"perdu"_s, QSize(10, 10));
    QFile::remove(picture.hoverImage);
    m_project.buttons = {text, picture};

    EXPECT_EQ(WizardFinish().run(m_project).problem, u"Erreur - Fichier introuvable"_s);
    EXPECT_EQ(projectFiles(), (QStringList{u"bouton1_clique.bmp"_s, u"bouton1_normal.bmp"_s, u"bouton1_survol.bmp"_s,
                                           u"perdu_n.bmp"_s}));
}

TEST(WizardScripts, StartupActionsAndButtonCodes)
{
    WizardProject p;
    EXPECT_EQ(wizardscripts::startupAction(p), QString());
    p.startup = WizardProject::Startup::Multimedia;
    p.startupFile = u"[LECT]:\\intro \"1\".avi"_s;
    EXPECT_EQ(wizardscripts::startupAction(p), u"[LECT]:\\intro \"1\".avi"_s);
    p.startup = WizardProject::Startup::Open;
    p.startupTarget = u"notepad.exe \"a\""_s;
    p.startupTargetKind = u"DISQUE"_s;
    EXPECT_EQ(wizardscripts::startupAction(p),
              u"VBS:'DISQUE¤Set exe_f = CreateObject(\"WScript.Shell\")¤exe_f.Run(\"notepad.exe 'a'\")"_s);
    p.startup = WizardProject::Startup::Message;
    p.startupTitle = u"T"_s;
    p.startupMessage = u"a\r\nb"_s;
    EXPECT_EQ(wizardscripts::startupAction(p), u"VBS:MsgBox \"a\"+chr(10)+chr(13)+\"b\", vbInformation, \"T\""_s);

    WizardButton b;
    EXPECT_EQ(wizardscripts::kindAndCode(b).kind, ButtonKind::Multimedia);
    EXPECT_EQ(wizardscripts::kindAndCode(b).code, QString());
    b.function = WizardButton::QuitMenu;
    b.argument1 = u"reste"_s;
    EXPECT_EQ(wizardscripts::kindAndCode(b).kind, ButtonKind::Quit);
    EXPECT_EQ(wizardscripts::kindAndCode(b).code, QString());
    EXPECT_EQ(wizardscripts::lineBreaks(u"a[R]b[r]c"_s), u"a\r\nb\r\nc"_s);
}

TEST_F(WizardFileTest, PicturesWithTheSameNameNeverReplaceEachOther)
{
    // A picture named like the images the next text button gets, and two pictures of
    // one name from two folders.
    QDir(sources()).mkdir(u"autre"_s);
    WizardButton named = graphicButton(0, sources(), u"bouton2"_s, QSize(10, 10));
    named.normalImage = QDir(sources()).filePath(u"bouton2_normal.bmp"_s);
    writeImage(named.normalImage, QSize(10, 10), Qt::blue);
    WizardButton text = textButton(1, u"Texte"_s);
    WizardButton here = graphicButton(2, sources(), u"pareil"_s, QSize(10, 10));
    WizardButton there = graphicButton(3, QDir(sources()).filePath(u"autre"_s), u"PAREIL"_s, QSize(12, 12));
    there.clickImage = here.clickImage;
    m_project.buttons = {named, text, here, there};

    const WizardFinish::Outcome outcome = WizardFinish().run(m_project);
    ASSERT_TRUE(outcome.succeeded()) << outcome.problem.toStdString();
    const QByteArray file = testfiles::readBytes(outcome.projectFile);
    EXPECT_TRUE(file.contains("\r\nbouton2_normal.bmp\r\nbouton2_s.bmp\r\nbouton2_c.bmp\r\n"));
    EXPECT_TRUE(file.contains("\r\nbouton2_normal_2.bmp\r\nbouton2_survol.bmp\r\nbouton2_clique.bmp\r\n"));
    EXPECT_TRUE(file.contains("\r\nPAREIL_n_2.bmp\r\nPAREIL_s_2.bmp\r\npareil_c.bmp\r\n"));
    EXPECT_EQ(QImage(projectFolder() + u"/bouton2_normal.bmp"_s).pixelColor(1, 1), QColor(Qt::blue));
    EXPECT_EQ(QImage(projectFolder() + u"/PAREIL_n_2.bmp"_s).width(), 12);
}
