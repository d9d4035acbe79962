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

using Kind = MenuObjects::Kind;
using Property = MenuObjects::Property;

// A 600 x 450-pixel menu (15 twips a pixel offscreen) with one code button, without
// images so it is a point to click, and one text box.
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
        m_menu.texts[0].top = 4500;
        m_menu.texts[0].width = 1500;
        m_menu.texts[0].height = 600;
    }

    std::unique_ptr<PlayerWindow> openPlayer()
    {
        return std::make_unique<PlayerWindow>(m_menu, u"/cd/zep"_s, u"/cd"_s, m_prompter);
    }

    static void click(PlayerWindow &window, PixelPoint at)
    {
        window.session().pointerPressed(at);
        window.session().pointerReleased(at);
    }

    static void waitFor(const std::function<bool()> &done)
    {
        QDeadlineTimer deadline(10000);
        while (!done() && !deadline.hasExpired())
            QTest::qWait(5);
    }

    MenuModel m_menu;
    ScriptedPrompter m_prompter;
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
    EXPECT_EQ(window->session().buttonAt({100, 20}), 1);
    EXPECT_EQ(window->session().buttonAt({101, 20}), 0);
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
    EXPECT_EQ(window->session().property({Kind::Timer, 0}, Property::Enabled), MenuObjects::Value(false));
}

TEST_F(PlayerWindowScriptTest, ButtonScriptsAskThroughThePrompterReportErrorsAndCloseTheMenu)
{
    m_menu.buttons[0].code = "If Fenetre.Caption = \"\" Then\r\n  Fenetre.Caption = MsgBox(\"Encore ?\", vbYesNo + "
                             "vbQuestion, \"Question\")\r\nElse\r\n  x = 1 / 0\r\nEnd If";
    auto window = openPlayer();
    window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    m_prompter.expectMessage(u"Encore ?"_s, u"Question"_s, MessageIcon::Question, MessageButtons::YesNo, Answer::No);
    click(*window, {0, 0});
    EXPECT_EQ(window->windowTitle(), u"7"_s);

    m_prompter.expectMessage(u"Erreur 11 dans le script « bouton 1 », ligne 4 :\nDivision par zéro"_s,
                             u"Erreur de script"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    click(*window, {0, 0});
    EXPECT_TRUE(window->isVisible());

    m_menu.buttons[0].code = "Action.Text = \"Fermer\"";
    window = openPlayer();
    window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    click(*window, {0, 0});
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(PlayerWindowScriptTest, ScriptsFormatWithTheLocaleOfLcAllOrLangAndKeepFrenchMessages)
{
    m_menu.startupAction = "VBS:Fenetre.Caption = FormatNumber(1234.5, 1) & \" \" & MonthName(2)";
    m_menu.buttons[0].code = "x = 1 / 0";
    const QByteArray savedAll = qgetenv("LC_ALL");
    const QByteArray savedLang = qgetenv("LANG");
    const auto captionWith = [this](const char *all, const char *lang) {
        qputenv("LC_ALL", all);
        qputenv("LANG", lang);
        auto window = openPlayer();
        window->start();
        return window->windowTitle();
    };
    EXPECT_EQ(captionWith("", "en_GB.UTF-8"), u"1,234.5 February"_s);
    EXPECT_EQ(captionWith("fr_CH.UTF-8", "en_US.UTF-8"), u"1'234.5 février"_s) << "LC_ALL before LANG";
    EXPECT_EQ(captionWith("C.UTF-8", "en_US.UTF-8"), u"1\u00a0234,5 février"_s) << "C names no country: French";

    qputenv("LANG", "en_US.UTF-8");
    auto window = openPlayer();
    window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    m_prompter.expectMessage(u"Erreur 11 dans le script « bouton 1 », ligne 1 :\nDivision par zéro"_s,
                             u"Erreur de script"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    click(*window, {0, 0});
    EXPECT_TRUE(m_prompter.allAnswered()) << "messages stay French";
    qputenv("LC_ALL", savedAll);
    qputenv("LANG", savedLang);
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
    window->setOpener([&](const QString &path) {
        calls << u"ouvrir "_s + path;
        return true;
    });
    window->setLauncher([&](const QString &path, const QStringList &arguments) {
        calls << u"lancer "_s + path + u" | "_s + arguments.join(u'|');
        return true;
    });
    window->session().runCommand('"' + program.toStdString() + "\" -a \"b c\"");
    window->session().runCommand("\"explorer " + dir.path().toStdString() + '"');
    window->session().runCommand("\"explorer \"" + dir.path().toStdString() + "\"\"");
    window->session().runCommand("\"http://exemple.org/\"");
    window->session().runCommand("docs\\lisez-moi.txt");
    window->session().runCommand(document.toStdString());
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
    m_menu.startupAction = "VBS:ImageFond.Stretch = False\r\nImageFond.Picture = LoadPicture(\"" + path +
                           "\")\r\nBouton1.Picture = LoadPicture(\"" + path + "\")\r\nBouton1.Top = 1500";
    auto window = openPlayer();
    window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QImage frame = window->grab().toImage();
    EXPECT_EQ(frame.pixelColor(20, 5), QColor(Qt::yellow));
    EXPECT_EQ(frame.pixelColor(20, 15), QColor(Qt::white));
    EXPECT_EQ(frame.pixelColor(20, 105), QColor(Qt::yellow));
    EXPECT_EQ(window->session().buttonAt({29, 109}), 1);
    EXPECT_EQ(window->session().buttonAt({30, 109}), 0);
}

TEST_F(PlayerWindowScriptTest, TheBorderIsDrawnAroundTheWindowAndTheTrayMovesByEject)
{
    m_menu.startupAction = "VBS:Bordure.BorderColor = 255: Bordure.BorderWidth = 4\r\nBordure.Visible = True";
    auto window = openPlayer();
    QStringList calls;
    window->setLauncher([&](const QString &program, const QStringList &arguments) {
        calls << program + u' ' + arguments.join(u' ');
        return true;
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
                           "Bouton1.Left = 3000: Bouton1.Top = 3000\r\n"
                           "Texte1.MouseIcon = LoadPicture(\"" + dir.filePath(u"main.png"_s).toStdString() +
                           "\")\r\nTexte1.MousePointer = 99";
    auto window = openPlayer();
    window->start();
    EXPECT_EQ(window->cursor().shape(), Qt::WaitCursor);
    MenuSession &session = window->session();
    session.pointerMoved({200, 200});
    EXPECT_EQ(window->cursor().shape(), Qt::PointingHandCursor);
    session.pointerMoved({5, 305});
    EXPECT_EQ(window->findChild<QTextEdit *>(u"Texte1"_s)->viewport()->cursor().shape(), Qt::BitmapCursor);

    // The screen's pointer stands over everything until it is set back to 0.
    session.setProperty({Kind::Screen, 0}, Property::MousePointer, 12.0);
    EXPECT_EQ(window->cursor().shape(), Qt::ForbiddenCursor);
    session.pointerMoved({200, 200});
    EXPECT_EQ(window->cursor().shape(), Qt::ForbiddenCursor);
    session.setProperty({Kind::Screen, 0}, Property::MousePointer, 0.0);
    EXPECT_EQ(window->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(PlayerWindowScriptTest, ATextKeepsItsAlignmentWhenAScriptChangesItAndContoursDrawAThinBlackLine)
{
    m_menu.backgroundColour = 255;
    m_menu.startupAction = "VBS:Texte1.Alignment = 2\r\nTexte1.Text = \"un\" & vbCrLf & \"deux\"";
    auto window = openPlayer();
    window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const auto *text = window->findChild<QTextEdit *>(u"Texte1"_s);
    EXPECT_EQ(text->toPlainText(), u"un\ndeux"_s);
    EXPECT_EQ(text->document()->firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(text->document()->lastBlock().blockFormat().alignment(), Qt::AlignHCenter);

    const QImage frame = window->grab().toImage();
    const int right = frame.width() - 1;
    const int bottom = frame.height() - 1;
    for (const QPoint edge : {QPoint(300, 0), QPoint(0, 200), QPoint(right, 200), QPoint(300, bottom)})
        EXPECT_EQ(frame.pixelColor(edge), QColor(Qt::black)) << edge.x() << ',' << edge.y();
    EXPECT_EQ(frame.pixelColor(300, 1), QColor(Qt::red));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::FramelessWindowHint));

    m_menu.contours = false;
    window = openPlayer();
    window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->grab().toImage().pixelColor(300, 0), QColor(Qt::red));
}
