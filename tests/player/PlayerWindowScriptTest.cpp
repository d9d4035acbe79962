#include "player/core/MenuScriptHost.h"
#include "player/qt/PlayerButton.h"
#include "player/qt/PlayerWindow.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTest>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A 600 x 450-pixel menu (15 twips a pixel offscreen) with one code button, without
// images so it is clicked by its signal, and one text box.
class PlayerWindowScriptTest : public ::testing::Test
{
protected:
    PlayerWindowScriptTest()
    {
        m_menu.width = 9000;
        m_menu.height = 6750;
        m_menu.buttons.push_back({});
        m_menu.buttons[0].number = 1;
        m_menu.buttons[0].kind = "code";
        m_menu.texts.push_back({});
        m_menu.texts[0].number = 1;
        m_menu.texts[0].width = 1500;
        m_menu.texts[0].height = 600;
    }

    std::unique_ptr<PlayerWindow> openPlayer()
    {
        auto window = std::make_unique<PlayerWindow>(m_menu, u"/cd/zep"_s, u"/cd"_s, m_none, m_prompter);
        m_scripts = std::make_unique<MenuScriptHost>(window->menu(), *window, "/cd", "/cd/zep");
        window->setScriptHost(*m_scripts);
        return window;
    }

    static void waitFor(const std::function<bool()> &done)
    {
        QDeadlineTimer deadline(10000);
        while (!done() && !deadline.hasExpired())
            QTest::qWait(5);
    }

    MenuModel m_menu;
    NullScriptHost m_none;
    ScriptedPrompter m_prompter;
    std::unique_ptr<MenuScriptHost> m_scripts;
};

} // namespace

TEST_F(PlayerWindowScriptTest, StartUpScriptsMoveAndPaintInTwipsAndRgbAndStartTheTimer)
{
    m_menu.globalCode = "Dim tours";
    m_menu.startupAction = "VBS:Fenetre.Caption = \"Bienvenue\"\r\nFenetre.Left = 1500: Fenetre.Top = 750\r\n"
                           "Bouton1.Left = 1500: Bouton1.Top = 300\r\nTexte1.Text = \"a\" & vbCrLf & \"b\"\r\n"
                           "Texte1.BackColor = 255: Texte1.Width = 3000\r\nMinuteur.Interval = 10\r\n"
                           "Minuteur.Enabled = True\r\nTexte1.FontBold = True: Texte1.FontSize = 20\r\n"
                           "Texte1.Alignment = 1\r\nAction.Tag = \"1\": Action.Text = \"AfficheBarre\"";
    m_menu.timerCode = "tours = tours + 1\r\nIf tours = 3 Then Minuteur.Enabled = False\r\n"
                       "Fenetre.Caption = tours & \" \" & Fenetre.Width & \" \" & Texte1.Left & \" \" & Texte1.Text";
    auto window = openPlayer();
    window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(100, 50));
    const auto *button = window->findChild<PlayerButton *>(u"Bouton1"_s);
    EXPECT_EQ(button->pos(), QPoint(100, 20));
    const auto *text = window->findChild<QTextEdit *>(u"Texte1"_s);
    EXPECT_EQ(text->toPlainText(), u"a\nb"_s);
    EXPECT_EQ(text->palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(text->width(), 200);
    EXPECT_TRUE(text->font().bold());
    EXPECT_EQ(text->font().pointSizeF(), 20.0);
    EXPECT_EQ(text->document()->lastBlock().blockFormat().alignment(), Qt::AlignRight);
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    waitFor([&] { return window->windowTitle().startsWith(u'3'); });
    EXPECT_EQ(window->windowTitle(), u"3 9000 0 a\r\nb"_s);
    EXPECT_EQ(window->property({PlayerFront::Kind::Timer, 0}, PlayerFront::Property::Enabled),
              PlayerFront::Value(false));
}

TEST_F(PlayerWindowScriptTest, ButtonScriptsAskThroughThePrompterReportErrorsAndCloseTheMenu)
{
    m_menu.buttons[0].code = "If Fenetre.Caption = \"\" Then\r\n  Fenetre.Caption = MsgBox(\"Encore ?\", vbYesNo + "
                             "vbQuestion, \"Question\")\r\nElse\r\n  x = 1 / 0\r\nEnd If";
    auto window = openPlayer();
    window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto *button = window->findChild<PlayerButton *>(u"Bouton1"_s);

    m_prompter.expectMessage(u"Encore ?"_s, u"Question"_s, MessageIcon::Question, MessageButtons::YesNo, Answer::No);
    emit button->clicked(1);
    EXPECT_EQ(window->windowTitle(), u"7"_s);

    m_prompter.expectMessage(u"Erreur 11 dans le script « bouton 1 », ligne 4 :\nDivision par zéro"_s,
                             u"Erreur de script"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    emit button->clicked(1);
    EXPECT_TRUE(window->isVisible());

    m_menu.buttons[0].code = "Action.Text = \"Fermer\"";
    window = openPlayer();
    window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    emit window->findChild<PlayerButton *>(u"Bouton1"_s)->clicked(1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(PlayerWindowScriptTest, TheShellStartsProgramsAndOpensDocumentsFoldersAndAddresses)
{
    QTemporaryDir dir;
    const QString program = dir.filePath(u"SousMenu1.exe"_s);
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n");
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    file.close();
    // Discs often mark documents executable too.
    const QString document = dir.filePath(u"notes.txt"_s);
    QFile text(document);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("Bonjour\n");
    text.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    text.close();
    auto window = openPlayer();
    QStringList calls;
    window->setOpener([&](const QString &path) { calls << u"ouvrir "_s + path; });
    window->setLauncher([&](const QString &path, const QStringList &arguments) {
        calls << u"lancer "_s + path + u" | "_s + arguments.join(u'|');
    });
    window->runCommand('"' + program.toStdString() + "\" -a \"b c\"");
    window->runCommand("\"explorer " + dir.path().toStdString() + '"');
    window->runCommand("\"explorer \"" + dir.path().toStdString() + "\"\"");
    window->runCommand("\"http://exemple.org/\"");
    window->runCommand("docs\\lisez-moi.txt");
    window->runCommand(document.toStdString());
    EXPECT_EQ(calls, (QStringList{u"lancer "_s + program + u" | -a|b c"_s, u"ouvrir "_s + dir.path(),
                                  u"ouvrir "_s + dir.path(),
                                  u"ouvrir http://exemple.org/"_s, u"ouvrir /cd/docs/lisez-moi.txt"_s,
                                  u"ouvrir "_s + document}));
}

TEST_F(PlayerWindowScriptTest, ScriptsChangeTheBackgroundAndButtonPictures)
{
    QTemporaryDir dir;
    QImage picture(QSize(30, 10), QImage::Format_RGB32);
    picture.fill(Qt::yellow);
    ASSERT_TRUE(picture.save(dir.filePath(u"jaune.bmp"_s), "BMP"));
    const std::string path = dir.filePath(u"jaune.bmp"_s).toStdString();
    m_menu.texts[0].top = 4500;
    m_menu.startupAction = "VBS:ImageFond.Stretch = False\r\nImageFond.Picture = LoadPicture(\"" + path +
                           "\")\r\nBouton1.Picture = LoadPicture(\"" + path + "\")\r\nBouton1.Top = 1500";
    auto window = openPlayer();
    window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QImage frame = window->grab().toImage();
    EXPECT_EQ(frame.pixelColor(20, 5), QColor(Qt::yellow));
    EXPECT_EQ(frame.pixelColor(20, 15), QColor(Qt::white));
    EXPECT_EQ(frame.pixelColor(20, 105), QColor(Qt::yellow));
    EXPECT_EQ(window->findChild<PlayerButton *>(u"Bouton1"_s)->size(), QSize(30, 10));
}

TEST_F(PlayerWindowScriptTest, TheBorderIsDrawnAroundTheWindowAndTheTrayMovesByEject)
{
    m_menu.startupAction = "VBS:Bordure.BorderColor = 255: Bordure.BorderWidth = 4\r\nBordure.Visible = True";
    auto window = openPlayer();
    QStringList calls;
    window->setLauncher([&](const QString &program, const QStringList &arguments) {
        calls << program + u' ' + arguments.join(u' ');
    });
    window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QImage frame = window->grab().toImage();
    EXPECT_EQ(frame.pixelColor(300, 1), QColor(Qt::red));
    EXPECT_EQ(frame.pixelColor(300, 3), QColor(Qt::red));
    EXPECT_EQ(frame.pixelColor(300, 5), QColor(Qt::white));

    window->moveTray(true, "/cd");
    window->moveTray(false, "E");
    EXPECT_EQ(calls, (QStringList{u"eject /cd"_s, u"eject -t"_s}));
}

TEST_F(PlayerWindowScriptTest, MousePointersAndIconsBecomeCursors)
{
    QTemporaryDir dir;
    QImage icon(QSize(16, 16), QImage::Format_ARGB32);
    icon.fill(Qt::black);
    ASSERT_TRUE(icon.save(dir.filePath(u"main.png"_s), "PNG"));
    m_menu.startupAction = "VBS:Fenetre.MousePointer = 11\r\nBouton1.MousePointer = 2\r\nBouton1.MousePointer = 0\r\n"
                           "Texte1.MouseIcon = LoadPicture(\"" + dir.filePath(u"main.png"_s).toStdString() +
                           "\")\r\nTexte1.MousePointer = 99";
    auto window = openPlayer();
    window->start();
    EXPECT_EQ(window->cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(window->findChild<PlayerButton *>(u"Bouton1"_s)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(window->findChild<QTextEdit *>(u"Texte1"_s)->cursor().shape(), Qt::BitmapCursor);

    window->setProperty({PlayerFront::Kind::Screen, 0}, PlayerFront::Property::MousePointer, 12.0);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    window->setProperty({PlayerFront::Kind::Screen, 0}, PlayerFront::Property::MousePointer, 0.0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
