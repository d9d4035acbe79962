#include "WineMenu.h"
#include "WineSession.h"

#include "project/ProjectWriter.h"
#include "support/ProjectSettingsEdit.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using namespace winemenu;

class WinePlayerTest : public ::testing::Test
{
protected:
    ~WinePlayerTest() override { m_wine.stop(); }

    WineSession &m_wine = WineSession::instance();
};

TEST_F(WinePlayerTest, TheExampleShowsItsBackgroundAndButtonsThenTheHoverImage)
{
    QTemporaryDir dir;
    const QString demo = testfiles::copyExample(dir.filePath(u"demo"_s));
    const QString cd = dir.filePath(u"cd"_s);
    QDir().mkpath(cd);
    const testfiles::ProgramRun run = testfiles::runProgram(u"zepc"_s, {u"compile"_s, demo, cd});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();

    ASSERT_TRUE(m_wine.start(cd + u"/zep/autorun.exe"_s));
    const qulonglong window = m_wine.findWindow(u"Mon CD de démonstration"_s);
    ASSERT_NE(window, 0u);
    // 12000 x 9000 twips at 96 dpi fill the 800 x 600 screen.
    EXPECT_EQ(m_wine.geometry(window), QRect(0, 0, 800, 600));

    const QImage normal(cd + u"/zep/video.bmp_transp.bmp"_s);
    const QImage hover(cd + u"/zep/video_survol.bmp_transp.bmp"_s);
    ASSERT_FALSE(normal.isNull());
    // The "Vidéo" button sits at 4500, 2700 twips: 300, 180 pixels.
    const QPoint inButton(5, normal.height() / 2);
    const QPoint onScreen = QPoint(300, 180) + inButton;
    ASSERT_TRUE(m_wine.waitForPixel(onScreen, normal.pixel(inButton)));
    const QImage background = QImage(demo.left(demo.lastIndexOf(u'/')) + u"/fond.jpg"_s).scaled(800, 600);
    EXPECT_LT(qAbs(qRed(m_wine.screen().pixel(700, 500)) - qRed(background.pixel(700, 500))), 16);

    m_wine.moveMouse(onScreen);
    EXPECT_TRUE(m_wine.waitForPixel(onScreen, hover.pixel(inButton)));
}

TEST_F(WinePlayerTest, AMenuAnswersThePointerAndRunsItsScripts)
{
    WineMenu menu(u"essai"_s);
    menu.addButton(u"Fenetre.BackColor = RGB(255, 0, 0)"_s);
    menu.addButton(u"MsgBox \"Bonjour\", 64, \"Message d'essai\""_s);
    menu.addButton(u"Do\r\nLoop"_s);
    menu.addButton(u"Action.Text = \"Fermer\""_s);
    menu.addButton(u"x = 1 / 0"_s);
    const QString player = menu.compile();

    ASSERT_TRUE(m_wine.start(player));
    const qulonglong window = m_wine.findWindow(u"essai"_s);
    ASSERT_NE(window, 0u);
    EXPECT_EQ(m_wine.geometry(window), QRect(200, 150, 400, 300)) << "centred, frameless, 6000 x 4500 twips";
    ASSERT_TRUE(m_wine.waitForPixel(WineMenu::button(1), kNormal));
    const QImage first = m_wine.screen();
    EXPECT_EQ(rgb(first.pixel(205, 155)), rgb(kBackground));
    EXPECT_EQ(rgb(first.pixel(198, 148)), rgb(kScreen));

    m_wine.moveMouse(WineMenu::button(1));
    EXPECT_TRUE(m_wine.waitForPixel(WineMenu::button(1), kHover));
    m_wine.click(WineMenu::button(1));
    EXPECT_TRUE(m_wine.waitForPixel({205, 155}, kRed)) << "the click's script colours the window";

    m_wine.click(WineMenu::button(2));
    const qulonglong box = m_wine.findWindow(u"Message d'essai"_s);
    ASSERT_NE(box, 0u) << "MsgBox shows its title";
    m_wine.answer(box, u"Message d'essai"_s);

    m_wine.click(WineMenu::button(3));
    const qulonglong error = m_wine.findWindow(u"Erreur de script"_s);
    ASSERT_NE(error, 0u) << "the endless loop is interrupted and reported";
    m_wine.answer(error, u"Erreur de script"_s);

    m_wine.click(WineMenu::button(5));
    const qulonglong failure = m_wine.findWindow(u"Erreur de script"_s);
    ASSERT_NE(failure, 0u) << "a script error is reported";
    m_wine.answer(failure, u"Erreur de script"_s);
    m_wine.click(WineMenu::button(2));
    const qulonglong again = m_wine.findWindow(u"Message d'essai"_s);
    ASSERT_NE(again, 0u) << "the menu goes on after the error";
    m_wine.answer(again, u"Message d'essai"_s);

    m_wine.click(WineMenu::button(4));
    EXPECT_EQ(m_wine.waitForExit(), 0) << "Action.Fermer ends the menu normally";
}

TEST_F(WinePlayerTest, AFramedWindowShowsTheWholeMenuInsideItsFrameAndTakesTextTypedInAnInputBox)
{
    WineMenu menu(u"cadre"_s);
    projectsettings::set(menu.project(), &ProjectSettings::contours, 1);
    menu.addButton(u"Fenetre.Caption = InputBox(\"Votre nom ?\", \"Question\", \"Zoé\") & \" !\""_s);
    const QString player = menu.compile();

    ASSERT_TRUE(m_wine.start(player));
    const qulonglong window = m_wine.findWindow(u"cadre"_s);
    ASSERT_NE(window, 0u);
    // Without a window manager the X window is the client area: the whole 400 x 300 menu,
    // as the worksheet shows it, with the frame Wine draws around it centred on the screen.
    const QRect client = m_wine.geometry(window);
    EXPECT_EQ(client.size(), QSize(400, 300));
    EXPECT_NEAR(client.left(), 200, 1);
    EXPECT_GT(client.top(), 150) << "half the caption's height lower";

    const QPoint button = client.topLeft() + QPoint(120, 110);
    ASSERT_TRUE(m_wine.waitForPixel(button, kNormal));
    m_wine.click(button);
    const qulonglong box = m_wine.findWindow(u"Question"_s);
    ASSERT_NE(box, 0u);
    m_wine.answer(box, u"Question"_s);
    EXPECT_NE(m_wine.findWindow(u"Zoé !"_s), 0u) << "the default answer comes back to the script";
}

TEST_F(WinePlayerTest, TheDiscVerbsTellWhatMadeTheMenuAndWho)
{
    WineMenu menu(u"verbes"_s);
    const QString player = menu.compile();
    for (const auto &[verb, title] : {std::pair{u"infos"_s, u"Qu'est-ce que ZEP ?"_s},
                                      {u"auteur"_s, u"A propos de ZEP..."_s}}) {
        ASSERT_TRUE(m_wine.start(player, {verb}));
        const qulonglong box = m_wine.findWindow(title);
        ASSERT_NE(box, 0u) << verb.toStdString();
        EXPECT_FALSE(m_wine.windowExists(u"verbes"_s)) << "no menu behind the box";
        m_wine.pressKey(box, u"Return"_s);
        EXPECT_EQ(m_wine.waitForExit(), 0);
    }
}

TEST_F(WinePlayerTest, ScriptsReadFilesOfTheDiscAndStartItsPrograms)
{
    WineMenu menu(u"disque"_s);
    menu.addButton(u"Set f = CreateObject(\"Scripting.FileSystemObject\").OpenTextFile(\"[LECT]:\\lisezmoi.txt\")\r\n"
                   u"Set d = CreateObject(\"Scripting.Dictionary\")\r\n"
                   u"d.Add \"ligne\", f.ReadLine\r\n"
                   u"Fenetre.Caption = d(\"ligne\")"_s);
    menu.addButton(u"CreateObject(\"WScript.Shell\").Run \"[LECT]:\\zep\\autorun.exe infos\""_s);
    menu.addButton(u"Bouton1.Picture = LoadPicture(\"[LECT]:\\zep\\c.bmp\")"_s);
    const QString player = menu.compile();
    testfiles::writeBytes(menu.zepFile(u"../lisezmoi.txt"_s), "Lu sur le disque\r\nsuite\r\n");

    ASSERT_TRUE(m_wine.start(player));
    ASSERT_NE(m_wine.findWindow(u"disque"_s), 0u);
    ASSERT_TRUE(m_wine.waitForPixel(WineMenu::button(1), kNormal));
    m_wine.click(WineMenu::button(1));
    EXPECT_NE(m_wine.findWindow(u"Lu sur le disque"_s), 0u) << "the first line of a text file at the disc's root";
    m_wine.click(WineMenu::button(3));
    EXPECT_TRUE(m_wine.waitForPixel(WineMenu::button(1), kClick)) << "a picture of the disc in place of the normal image";
    m_wine.click(WineMenu::button(2));
    const qulonglong infos = m_wine.findWindow(u"Qu'est-ce que ZEP ?"_s);
    EXPECT_NE(infos, 0u) << "a program of the disc started with its argument";
}

TEST_F(WinePlayerTest, AFullScreenMenuCoversTheScreen)
{
    WineMenu menu(u"plein"_s);
    projectsettings::set(menu.project(), &ProjectSettings::fullScreen, 1);
    const QString player = menu.compile();

    ASSERT_TRUE(m_wine.start(player));
    const qulonglong window = m_wine.findWindow(u"plein"_s);
    ASSERT_NE(window, 0u);
    EXPECT_EQ(m_wine.geometry(window), QRect(0, 0, 800, 600));
    EXPECT_TRUE(m_wine.waitForPixel({5, 5}, kBackground));
}

TEST_F(WinePlayerTest, AShapedWindowLeavesItsCornersToTheScreen)
{
    WineMenu menu(u"forme"_s);
    // A diamond over the 400 x 300 window, in twips.
    menu.project().setShapeVertices({{3000, 0}, {6000, 2250}, {3000, 4500}, {0, 2250}});
    const QString player = menu.compile();

    ASSERT_TRUE(m_wine.start(player));
    ASSERT_NE(m_wine.findWindow(u"forme"_s), 0u);
    ASSERT_TRUE(m_wine.waitForPixel({400, 300}, kBackground));
    const QImage shot = m_wine.screen();
    EXPECT_EQ(rgb(shot.pixel(205, 155)), rgb(kScreen));
    EXPECT_EQ(rgb(shot.pixel(590, 440)), rgb(kScreen));
}

TEST_F(WinePlayerTest, TheWhiteOfTheTransparencyImageCutsHolesInTheWindow)
{
    WineMenu menu(u"trous"_s);
    QImage holes(40, 30, QImage::Format_RGB32);
    holes.fill(Qt::black);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 20; ++x)
            holes.setPixel(x, y, qRgb(255, 255, 255));
    const QString file = QFileInfo(menu.project().path()).absolutePath() + u"/trous.bmp"_s;
    ASSERT_TRUE(holes.save(file, "BMP"));
    projectsettings::set(menu.project(), &ProjectSettings::transparencyImage, u"trous.bmp"_s);
    const QString player = menu.compile();

    ASSERT_TRUE(m_wine.start(player));
    ASSERT_NE(m_wine.findWindow(u"trous"_s), 0u);
    // Stretched over the 400 x 300 window: its left half is gone.
    ASSERT_TRUE(m_wine.waitForPixel({500, 300}, kBackground));
    EXPECT_EQ(rgb(m_wine.screen().pixel(300, 300)), rgb(kScreen));
}

TEST_F(WinePlayerTest, AMissingImageStillShowsTheMenu)
{
    WineMenu menu(u"manque"_s);
    menu.addButton(u"MsgBox 1"_s);
    const QString player = menu.compile();
    ASSERT_TRUE(QFile::remove(menu.zepFile(u"n.bmp"_s)));

    ASSERT_TRUE(m_wine.start(player));
    ASSERT_NE(m_wine.findWindow(u"manque"_s), 0u);
    EXPECT_TRUE(m_wine.waitForPixel(WineMenu::button(1), kBackground));
}

TEST_F(WinePlayerTest, APlayerWithoutMenuDataOrWithDamagedDataSaysSoAndFails)
{
    QTemporaryDir dir;
    const QByteArray player = testfiles::readBytes(testfiles::programPath(u"compil.exe"_s));
    testfiles::writeBytes(dir.filePath(u"vide.exe"_s), player);
    testfiles::writeBytes(dir.filePath(u"abime.exe"_s), player + "(debut)\xAC"
                                                                 "FICHIER DAT COMPATIBLE ZEP V2.0\xAC[G\xE9n\xE9ral]\xAC"
                                                                 "fond.jpg\xAC"
                                                                 "large\r\n");
    for (const QString &name : {u"vide.exe"_s, u"abime.exe"_s}) {
        ASSERT_TRUE(m_wine.start(dir.filePath(name)));
        const qulonglong box = m_wine.findWindow(u"Erreur !"_s);
        ASSERT_NE(box, 0u) << name.toStdString();
        m_wine.pressKey(box, u"Return"_s);
        EXPECT_EQ(m_wine.waitForExit(), 1) << name.toStdString();
    }
}

} // namespace

TEST_F(WinePlayerTest, AMainMenuStartsTheSubMenuCompiledBesideIt)
{
    WineMenu main(u"principal"_s);
    main.addButton(u"Set exe_f = CreateObject(\"WScript.Shell\")\r\nexe_f.Run(\"[CHEMIN]sous.exe\")"_s);
    const QString player = main.compile();
    MenuProject sub;
    sub.setSize(6000, 4500);
    projectsettings::set(sub, &ProjectSettings::contours, 0);
    projectsettings::set(sub, &ProjectSettings::backgroundColour, 0x0000FF);
    const QString subFile = QFileInfo(player).absolutePath() + u"/../../sous.zep"_s;
    testfiles::writeBytes(subFile, ProjectWriter(sub).toBytes(subFile));
    const testfiles::ProgramRun run = testfiles::runProgram(
        u"zepc"_s, {u"compile"_s, subFile, QFileInfo(player).absolutePath() + u"/.."_s, u"--sub"_s, u"sous"_s});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();

    ASSERT_TRUE(m_wine.start(player));
    ASSERT_TRUE(m_wine.waitForPixel(QPoint(210, 160), kBackground));
    m_wine.click(WineMenu::button(1));
    EXPECT_TRUE(m_wine.waitForPixel(QPoint(210, 160), kRed));
}

TEST_F(WinePlayerTest, AsAScreenSaverTheMenuCoversTheScreenOrEndsAtOnce)
{
    WineMenu menu(u"veille"_s);
    const QString player = menu.compile();
    const QString saver = menu.zepFile(u"veille.scr"_s);
    ASSERT_TRUE(QFile::copy(player, saver));

    for (const QString &quiet : {u"/p"_s, u"/c"_s}) {
        ASSERT_TRUE(m_wine.start(saver, {quiet, u"1234"_s}));
        EXPECT_EQ(m_wine.waitForExit(), 0) << quiet.toStdString();
    }
    ASSERT_TRUE(m_wine.start(saver, {u"/s"_s}));
    EXPECT_TRUE(m_wine.waitForPixel(QPoint(5, 5), kBackground));
    EXPECT_TRUE(m_wine.waitForPixel(QPoint(795, 595), kBackground));
}
