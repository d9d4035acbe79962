#include "player/core/MenuSession.h"
#include "player/core/PlayerPainter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

std::string text(PixelRect r)
{
    return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.width) + "x" +
           std::to_string(r.height);
}

// A window that is only a record of what the session asked of it.
class FakeFront : public PlayerFront
{
public:
    std::vector<std::string> calls;
    std::map<std::string, PixelSize> pictures; // the readable image files
    ScreenInfo screen{{1024, 768}, 96, 96, {}};
    int locale = 0;
    PixelRect frame;
    WindowLook look;
    std::map<int, TextBoxLook> texts;
    Cursor cursor;

    ScreenInfo screenInfo() const override { return screen; }
    int userLocale() const override { return locale; }
    void createWindow(const WindowLook &l) override
    {
        look = l;
        frame = l.frame;
        calls.push_back("fenêtre " + text(l.frame) + (l.framed ? " cadre" : " nue"));
    }
    void setWindowVisible(bool visible) override { calls.push_back(visible ? "montrer" : "cacher"); }
    void showWindowState(int state) override { calls.push_back("état " + std::to_string(state)); }
    void setWindowFrame(PixelRect f) override
    {
        frame = f;
        calls.push_back("cadre " + text(f));
    }
    PixelRect windowFrame() const override { return frame; }
    void setTitle(const std::string &title) override { calls.push_back("titre " + title); }
    void invalidate() override {}
    PixelSize loadPicture(const std::string &path) override
    {
        const auto found = pictures.find(path);
        return found == pictures.end() ? PixelSize{} : found->second;
    }
    void showText(int number, const TextBoxLook &l) override { texts[number] = l; }
    void showCursor(const Cursor &c) override { cursor = c; }
    void startMenuTimer(int milliseconds) override { calls.push_back("minuteur " + std::to_string(milliseconds)); }
    void stopMenuTimer() override { calls.push_back("minuteur arrêté"); }
    void playSound(SoundChannel channel, const std::string &path) override
    {
        static const char *names[] = {"survol", "clic", "musique", "script"};
        calls.push_back(std::string("son ") + names[int(channel)] + " " + path);
    }
    void playVideo(const std::string &path) override { calls.push_back("vidéo " + path); }
    bool runProgram(const std::string &path, const std::string &arguments) override
    {
        calls.push_back("lancer " + path + " | " + arguments);
        return path.find("absent") == std::string::npos;
    }
    bool openDocument(const std::string &target) override
    {
        calls.push_back("ouvrir " + target);
        return target.find("absent") == std::string::npos;
    }
    void moveTray(bool open, const std::string &drive) override
    {
        calls.push_back((open ? "éjecter " : "rentrer ") + drive);
    }
    int messageBox(const std::string &message, int buttons, const std::string &title) override
    {
        calls.push_back("message " + std::to_string(buttons) + " [" + title + "] " + message);
        return 1;
    }
    std::string inputBox(const std::string &, const std::string &, const std::string &) override { return {}; }
    void endMenu() override { calls.push_back("fin"); }

    // The calls since the last look, which are then forgotten.
    std::vector<std::string> take()
    {
        std::vector<std::string> taken;
        taken.swap(calls);
        return taken;
    }
};

class RecordingPainter : public PlayerPainter
{
public:
    std::vector<std::string> calls;

    void fill(PixelRect rect, Rgb colour) override
    {
        calls.push_back("fond " + text(rect) + " " + std::to_string(colour.value()));
    }
    void drawPicture(const std::string &path, PixelRect rect) override
    {
        calls.push_back("image " + path + " " + text(rect));
    }
    void drawOutline(Outline shape, PixelRect rect, Rgb colour, int width) override
    {
        calls.push_back("contour " + std::to_string(int(shape)) + " " + text(rect) + " " +
                        std::to_string(colour.value()) + " " + std::to_string(width));
    }
};

// A 600 x 450-pixel menu with two code buttons of 40 x 20 pixels at (100, 50) and
// (200, 50) and one text box; its scripts note what ran in the window's caption.
class MenuSessionTest : public ::testing::Test
{
protected:
    MenuSessionTest()
    {
        m_menu.width = 9000;
        m_menu.height = 6750;
        m_menu.projectName = "essai";
        m_menu.author = "Zoé";
        m_menu.clickSound = "clic.wav";
        m_menu.hoverSound = "survol.wav";
        m_menu.globalCode = "Sub Note(s)\r\n  Fenetre.Caption = Fenetre.Caption & \"|\" & s\r\nEnd Sub";
        for (int n = 1; n <= 2; ++n) {
            MenuModel::Button b;
            b.number = n;
            b.left = 1500.0 * n;
            b.top = 750;
            b.normalImage = "n" + std::to_string(n) + ".bmp";
            b.hoverImage = "h.bmp";
            b.clickImage = "c.bmp";
            b.kind = ButtonKind::Code;
            b.code = "Note \"clic " + std::to_string(n) + "\"";
            b.hoverCode = "Note \"survol " + std::to_string(n) + "\"";
            m_menu.buttons.push_back(b);
        }
        MenuModel::Text t;
        t.number = 1;
        t.text = "Bonjour";
        t.top = 4500;
        t.width = 1500;
        t.height = 600;
        m_menu.texts.push_back(t);
        for (const char *name : {"n1.bmp", "n2.bmp", "h.bmp", "c.bmp"})
            m_front.pictures["/cd/zep/" + std::string(name)] = {40, 20};
    }

    MenuSession &start()
    {
        m_session = std::make_unique<MenuSession>(m_menu, m_front, DiscPaths("/cd", "/cd/zep"));
        m_session->start();
        m_front.take();
        return *m_session;
    }

    std::string caption() const
    {
        return std::get<std::string>(m_session->property({MenuObjects::Kind::Window, 0}, MenuObjects::Property::Caption));
    }

    std::vector<std::string> painted(PixelSize client = {600, 450}) const
    {
        RecordingPainter painter;
        m_session->paint(painter, client);
        return painter.calls;
    }

    // What the session painted for button number, from its pictures.
    std::string buttonShown(int number) const
    {
        const std::string at = number == 1 ? "100,50" : "200,50";
        for (const std::string &call : painted()) {
            if (call.rfind("image ", 0) == 0 && call.find(" " + at + " ") != std::string::npos)
                return call.substr(6, call.find(' ', 6) - 6);
        }
        return "rien";
    }

    MenuModel m_menu;
    FakeFront m_front;
    std::unique_ptr<MenuSession> m_session;
};

using Kind = MenuObjects::Kind;
using Property = MenuObjects::Property;
using Value = MenuObjects::Value;

} // namespace

TEST_F(MenuSessionTest, StartMakesACentredWindowAtTheScreensDensityThenRunsTheScripts)
{
    m_front.screen = {{1024, 768}, 120, 120, {}}; // 12 twips a pixel
    m_menu.backgroundMusic = "musique.mp3";
    m_menu.timerEnabled = true;
    m_menu.timerInterval = 250;
    m_menu.startupAction = "VBS:Note \"démarrage\"";
    MenuSession session(m_menu, m_front, DiscPaths("/cd", "/cd/zep"));
    session.start();
    EXPECT_EQ(m_front.take(), (std::vector<std::string>{"fenêtre 137,102 750x563 cadre", "montrer",
                                                        "son musique /cd/zep/musique.mp3", "minuteur 250",
                                                        "titre essai|démarrage"}));
    EXPECT_EQ(m_front.look.title, "essai");
    EXPECT_EQ(text(m_front.texts.at(1).rect), "0,375 125x50");
    EXPECT_EQ(m_front.texts.at(1).text, "Bonjour");

    // A start-up action that is no script names a file of the disc to open.
    m_menu.startupAction = "[LECT]:\\films\\intro.avi";
    MenuSession file(m_menu, m_front, DiscPaths("/cd", "/cd/zep"));
    file.start();
    EXPECT_EQ(m_front.calls.back(), "ouvrir /cd/films/intro.avi");
}

TEST_F(MenuSessionTest, At144DpiEveryPictureGrowsWithThePositionsAndTheWindowStaysInTheWorkArea)
{
    m_front.screen = {{1920, 1080}, 144, 144, {0, 0, 1920, 1040}}; // 10 twips a pixel, a task bar below
    m_menu.backgroundImage = "fond.bmp";
    m_front.pictures["/cd/zep/fond.bmp"] = {600, 450};
    m_menu.shape = {{0, 0}, {9000, 0}, {0, 6750}};
    MenuSession &session = start();
    EXPECT_EQ(text(m_front.look.frame), "510,182 900x675");
    EXPECT_EQ(m_front.look.shape[1].x, 900);
    EXPECT_EQ(session.buttonAt({150 + 59, 75 + 29}), 1);
    EXPECT_EQ(session.buttonAt({150 + 61, 75 + 31}), 0);
    std::vector<std::string> calls = painted({900, 675});
    EXPECT_EQ(calls[1], "image /cd/zep/fond.bmp 0,0 900x675");
    EXPECT_EQ(calls[2], "image /cd/zep/n1.bmp 150,75 60x30");
    EXPECT_EQ(calls[3], "image /cd/zep/n2.bmp 300,75 60x30");

    // Unstretched, and pictures set by scripts, at 1.5 times their size too.
    session.setProperty({Kind::Background, 0}, Property::Stretch, false);
    m_front.pictures["/cd/photo.jpg"] = {101, 51};
    session.setProperty({Kind::Button, 2}, Property::Picture, std::string("/cd/photo.jpg"));
    calls = painted({900, 675});
    EXPECT_EQ(calls[1], "image /cd/zep/fond.bmp 0,0 900x675");
    EXPECT_EQ(calls[3], "image /cd/photo.jpg 300,75 152x77");
    session.setProperty({Kind::Background, 0}, Property::Picture, std::string("/cd/photo.jpg"));
    EXPECT_EQ(painted({900, 675})[1], "image /cd/photo.jpg 0,0 152x77");

    // A menu larger than the work area is kept inside it, below the task bar's edge.
    m_front.screen = {{1366, 768}, 144, 144, {0, 30, 1366, 700}};
    m_menu.width = 15000;
    m_menu.height = 9000;
    start();
    EXPECT_EQ(text(m_front.look.frame), "0,30 1366x700");
}

TEST_F(MenuSessionTest, FullScreenShapedAndTransparentWindowsHaveNoFrame)
{
    m_menu.fullScreen = true;
    m_menu.shape = {{0, 0}, {9000, 0}, {0, 6750}};
    start();
    EXPECT_EQ(text(m_front.look.frame), "0,0 1024x768");
    EXPECT_TRUE(m_front.look.fullScreen);
    EXPECT_FALSE(m_front.look.framed);
    ASSERT_EQ(m_front.look.shape.size(), 3u);
    EXPECT_EQ(m_front.look.shape[1].x, 600);

    m_menu = MenuModel{};
    m_menu.transparencyImage = "filtre.bmp";
    start();
    EXPECT_TRUE(m_front.look.framed) << "an unreadable filter cuts nothing";
    m_front.pictures["/cd/zep/filtre.bmp"] = {60, 45};
    start();
    EXPECT_FALSE(m_front.look.framed);
    EXPECT_EQ(m_front.look.holesPicture, "/cd/zep/filtre.bmp");

    m_menu = MenuModel{};
    m_menu.contours = false;
    start();
    EXPECT_FALSE(m_front.look.framed);
}

TEST_F(MenuSessionTest, HoverAndClickShowTheirImagesPlayTheirSoundsAndRunTheirScripts)
{
    MenuSession &session = start();
    EXPECT_EQ(buttonShown(1), "/cd/zep/n1.bmp");
    EXPECT_EQ(m_front.cursor.shape, CursorShape::Arrow);

    session.pointerMoved({105, 55});
    EXPECT_EQ(buttonShown(1), "/cd/zep/h.bmp");
    EXPECT_EQ(m_front.cursor.shape, CursorShape::Hand);
    session.pointerMoved({110, 60}); // on the same button: nothing again
    session.pointerPressed({110, 60});
    EXPECT_EQ(buttonShown(1), "/cd/zep/c.bmp");
    session.pointerReleased({110, 60});
    EXPECT_EQ(buttonShown(1), "/cd/zep/h.bmp");
    EXPECT_EQ(m_front.take(), (std::vector<std::string>{"son survol /cd/zep/survol.wav", "titre essai|survol 1",
                                                        "son clic /cd/zep/clic.wav", "titre essai|survol 1|clic 1"}));

    // A press that ends off the button clicks nothing.
    session.pointerPressed({105, 55});
    session.pointerMoved({300, 300});
    EXPECT_EQ(buttonShown(1), "/cd/zep/n1.bmp");
    session.pointerReleased({300, 300});
    EXPECT_EQ(caption(), "essai|survol 1|clic 1");

    // From one button straight onto the other, then out of the window.
    session.pointerMoved({205, 55});
    session.pointerLeft();
    EXPECT_EQ(buttonShown(2), "/cd/zep/n2.bmp");
    EXPECT_EQ(caption(), "essai|survol 1|clic 1|survol 2");
}

TEST_F(MenuSessionTest, ButtonsOfTheOtherKindsPlayAVideoOrEndTheMenu)
{
    m_menu.buttons[0].kind = ButtonKind::Multimedia;
    m_menu.buttons[0].code = "[LECT]:\\films\\a.avi";
    m_menu.buttons[1].kind = ButtonKind::Quit;
    MenuSession &session = start();
    session.pointerPressed({105, 55});
    session.pointerReleased({105, 55});
    session.pointerPressed({205, 55});
    session.pointerReleased({205, 55});
    const std::vector<std::string> calls = m_front.take();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "vidéo /cd/films/a.avi"), calls.end());
    EXPECT_EQ(calls.back(), "fin");
}

TEST_F(MenuSessionTest, ADisabledButtonShowsNoHoverPlaysNothingRunsNothingAndLetsThePointerThrough)
{
    m_menu.windowHoverCode = "Note \"fenêtre\"";
    m_menu.buttons[0].kind = ButtonKind::Quit;
    MenuSession &session = start();
    session.setProperty({Kind::Button, 1}, Property::Enabled, false);
    session.pointerMoved({105, 55});
    EXPECT_EQ(buttonShown(1), "/cd/zep/n1.bmp");
    EXPECT_EQ(m_front.cursor.shape, CursorShape::Arrow);
    session.pointerPressed({105, 55});
    session.pointerReleased({105, 55});
    EXPECT_EQ(m_front.take(), (std::vector<std::string>{"titre essai|fenêtre"}));

    // Disabled under the pointer: it loses its hover look at once.
    session.setProperty({Kind::Button, 1}, Property::Enabled, true);
    session.pointerMoved({105, 55});
    EXPECT_EQ(buttonShown(1), "/cd/zep/h.bmp");
    session.setProperty({Kind::Button, 1}, Property::Enabled, false);
    EXPECT_EQ(buttonShown(1), "/cd/zep/n1.bmp");
    session.setProperty({Kind::Button, 1}, Property::Enabled, true);
    session.pointerMoved({105, 55});
    session.setProperty({Kind::Button, 1}, Property::Left, 4500.0);
    EXPECT_EQ(painted()[1], "image /cd/zep/n1.bmp 300,50 40x20") << "moved away from the pointer";
    session.setProperty({Kind::Button, 2}, Property::Visible, false);
    EXPECT_EQ(buttonShown(2), "rien");
    EXPECT_EQ(session.buttonAt({205, 55}), 0);
}

TEST_F(MenuSessionTest, TheTimerTicksOnlyWhenEnabledWithAnIntervalAndStopsOnAFailure)
{
    m_menu.timerEnabled = true;
    m_menu.timerInterval = 0;
    m_menu.timerCode = "Note \"tic\"";
    MenuSession &session = start();
    session.timerTicked();
    EXPECT_EQ(caption(), "essai");

    session.setProperty({Kind::Timer, 0}, Property::Interval, 50.0);
    session.timerTicked();
    EXPECT_EQ(caption(), "essai|tic");
    session.setProperty({Kind::Timer, 0}, Property::Interval, 0.0);
    EXPECT_EQ(session.property({Kind::Timer, 0}, Property::Interval), Value(0.0));
    EXPECT_EQ(session.property({Kind::Timer, 0}, Property::Enabled), Value(true));
    session.setProperty({Kind::Timer, 0}, Property::Interval, 1e12);
    EXPECT_EQ(m_front.take(), (std::vector<std::string>{"minuteur 50", "titre essai|tic", "minuteur arrêté",
                                                        "minuteur 65535"}));

    m_menu.timerCode = "x = 1 / 0";
    start();
    m_session->setProperty({Kind::Timer, 0}, Property::Interval, 10.0);
    m_session->timerTicked();
    m_session->timerTicked();
    const std::vector<std::string> calls = m_front.take();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1], "message 16 [Erreur de script] Erreur 11 dans le script « minuteur », ligne 1 :\n"
                        "Division par zéro");
    EXPECT_EQ(calls[2], "minuteur arrêté");
    EXPECT_EQ(m_session->property({Kind::Timer, 0}, Property::Enabled), Value(false));
}

TEST_F(MenuSessionTest, TheWindowHoverScriptRunsOverTheBareWindowAndAFailureIsReportedOnce)
{
    m_menu.windowHoverCode = "x = 1 / 0";
    MenuSession &session = start();
    session.pointerMoved({105, 55}); // a button
    session.pointerMoved({5, 305});  // the text box
    EXPECT_EQ(m_front.take().size(), 2u) << "the button's sound and hover script only";
    session.pointerMoved({5, 5});
    session.pointerMoved({6, 6});
    const std::vector<std::string> calls = m_front.take();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], "message 16 [Erreur de script] Erreur 11 dans le script « survol de la fenêtre », ligne 1 :\n"
                        "Division par zéro");
}

TEST_F(MenuSessionTest, TheWindowIsPaintedWithItsOutlineBorderAndBackgroundOverTheOuterSize)
{
    m_menu.backgroundImage = "fond.bmp";
    m_menu.backgroundColour = 128;
    m_front.pictures["/cd/zep/fond.bmp"] = {60, 45};
    MenuSession &session = start();
    // A frame takes 10 x 30 pixels: the picture still spreads over the outer size, under the
    // transparent buttons composed against it.
    EXPECT_EQ(painted({590, 420}),
              (std::vector<std::string>{"fond 0,0 590x420 128", "image /cd/zep/fond.bmp 0,0 600x450",
                                        "image /cd/zep/n1.bmp 100,50 40x20", "image /cd/zep/n2.bmp 200,50 40x20",
                                        "contour 0 0,0 590x420 0 1"}));

    session.setProperty({Kind::Background, 0}, Property::Stretch, false);
    session.setProperty({Kind::Border, 0}, Property::Visible, true);
    session.setProperty({Kind::Border, 0}, Property::BorderWidth, 3.0);
    session.setProperty({Kind::Border, 0}, Property::Shape, 4.0);
    session.setProperty({Kind::Border, 0}, Property::BorderColor, 255.0);
    const std::vector<std::string> calls = painted();
    EXPECT_EQ(calls[1], "image /cd/zep/fond.bmp 0,0 60x45");
    EXPECT_EQ(calls[2], "contour 2 0,0 600x450 255 3");

    m_menu.contours = false;
    start();
    EXPECT_EQ(painted().back(), "image /cd/zep/n2.bmp 200,50 40x20");
}

TEST_F(MenuSessionTest, ScriptsSeeTwipsWhileTheFrontGetsPixels)
{
    MenuSession &session = start();
    session.setProperty({Kind::Window, 0}, Property::Left, 1500.0);
    session.setProperty({Kind::Window, 0}, Property::Width, 3000.0);
    session.setProperty({Kind::Button, 2}, Property::Top, 1500.0);
    session.setProperty({Kind::Text, 1}, Property::Alignment, 2.0);
    session.setProperty({Kind::Text, 1}, Property::Text, std::string("a\r\nb"));
    session.setProperty({Kind::Text, 1}, Property::FontSize, 1000.0);
    EXPECT_EQ(m_front.take(), (std::vector<std::string>{"cadre 100,159 600x450", "cadre 100,159 200x450"}));
    EXPECT_EQ(session.property({Kind::Window, 0}, Property::Width), Value(3000.0));
    EXPECT_EQ(session.property({Kind::Button, 2}, Property::Top), Value(1500.0));
    EXPECT_EQ(session.buttonAt({205, 105}), 2);
    // The text box keeps its alignment when its text changes.
    EXPECT_EQ(m_front.texts.at(1).alignment, TextBoxLook::Alignment::Centre);
    EXPECT_EQ(m_front.texts.at(1).text, "a\r\nb");
    EXPECT_EQ(m_front.texts.at(1).fontSize, 400.0);

    session.textEdited(1, "tapé");
    EXPECT_EQ(session.property({Kind::Text, 1}, Property::Text), Value(std::string("tapé")));
}

TEST_F(MenuSessionTest, PointersFollowTheItemUnderThePointerAndTheScreenOverridesThem)
{
    m_front.pictures["/cd/main.ico"] = {32, 32};
    MenuSession &session = start();
    session.pointerMoved({5, 305});
    EXPECT_EQ(m_front.cursor.shape, CursorShape::IBeam);
    session.setProperty({Kind::Text, 1}, Property::MouseIcon, std::string("/cd/main.ico"));
    session.setProperty({Kind::Text, 1}, Property::MousePointer, 99.0);
    EXPECT_EQ(m_front.cursor, (Cursor{CursorShape::Picture, "/cd/main.ico"}));
    session.setProperty({Kind::Text, 1}, Property::MouseIcon, std::string("/cd/absent.ico"));
    EXPECT_EQ(m_front.cursor.shape, CursorShape::Arrow);

    session.setProperty({Kind::Button, 1}, Property::MousePointer, 2.0);
    session.pointerMoved({105, 55});
    EXPECT_EQ(m_front.cursor.shape, CursorShape::Cross);
    session.setProperty({Kind::Screen, 0}, Property::MousePointer, 11.0);
    EXPECT_EQ(m_front.cursor.shape, CursorShape::Wait);
    session.setProperty({Kind::Screen, 0}, Property::MousePointer, 0.0);
    session.setProperty({Kind::Window, 0}, Property::MousePointer, 12.0);
    session.pointerMoved({5, 5});
    EXPECT_EQ(m_front.cursor.shape, CursorShape::No);

    m_menu.handCursor = false;
    start().pointerMoved({105, 55});
    EXPECT_EQ(m_front.cursor.shape, CursorShape::Arrow);
}

TEST_F(MenuSessionTest, TheContextMenuOffersAboutAndQuitUnlessTheDataTurnsItOff)
{
    MenuSession &session = start();
    EXPECT_EQ(session.contextMenu(), (std::vector<std::string>{"A propos de ce menu...", "", "Quitter"}));
    session.contextMenuChosen(0);
    session.contextMenuChosen(2);
    EXPECT_EQ(m_front.take(), (std::vector<std::string>{"message 64 [A propos de ce menu] Projet : essai\nAuteur : Zoé",
                                                        "minuteur arrêté", "fin"}));

    m_menu.contextMenu = false;
    EXPECT_TRUE(start().contextMenu().empty());
}

TEST_F(MenuSessionTest, ScriptsRunProgramsOpenDocumentsAndPlaySoundsOfTheDisc)
{
    MenuSession &session = start();
    session.runCommand("\"/cd/outils/installer.exe\" -a \"b c\"");
    session.runCommand("\"explorer /cd/docs\"");
    session.runCommand("\"mailto:moi@exemple.org\"");
    session.runCommand("outils\\prog.exe /s");
    session.playSound("sons\\a.wav");
    session.playVideo("[LECT]:\\films\\b.avi");
    session.moveTray(true, "/cd");
    EXPECT_EQ(m_front.take(), (std::vector<std::string>{"lancer /cd/outils/installer.exe | -a \"b c\"",
                                                        "ouvrir /cd/docs", "ouvrir mailto:moi@exemple.org",
                                                        "lancer /cd/outils/prog.exe | /s",
                                                        "son script /cd/sons/a.wav", "vidéo /cd/films/b.avi",
                                                        "éjecter /cd"}));
}

TEST_F(MenuSessionTest, ARunOrOpenTheSystemRefusesSaysSo)
{
    MenuSession &session = start();
    session.runCommand("notepad.exe lisez-moi.txt");
    session.runCommand("absent.exe /s");
    session.runCommand("\"explorer [LECT]:\\absent\"");
    EXPECT_EQ(m_front.take(),
              (std::vector<std::string>{"lancer notepad.exe | lisez-moi.txt", "lancer absent.exe | /s",
                                        "message 16 [Erreur !] Impossible de lancer « absent.exe ».",
                                        "ouvrir /cd/absent",
                                        "message 16 [Erreur !] Impossible de lancer « /cd/absent »."}));

    m_menu.startupAction = "absent\\intro.avi";
    MenuSession file(m_menu, m_front, DiscPaths("/cd", "/cd/zep"));
    m_front.take();
    file.start();
    EXPECT_EQ(m_front.calls.back(), "message 16 [Erreur !] Impossible de lancer « /cd/absent/intro.avi ».");
}

TEST_F(MenuSessionTest, ScriptsFormatWithTheUsersLocaleAndFrenchWhenItIsUnknown)
{
    m_menu.startupAction = "VBS:Fenetre.Caption = FormatNumber(1234.5, 1) & \" \" & MonthName(2) & \" \" & "
                           "Weekday(#2024-01-01#, 0)";
    const auto captionFor = [&](int lcid) {
        m_front.locale = lcid;
        start();
        return caption();
    };
    EXPECT_EQ(captionFor(1033), "1,234.5 February 2");
    EXPECT_EQ(captionFor(0), "1\u00a0234,5 février 1");
    EXPECT_EQ(captionFor(4108), "1'234.5 février 1");
    EXPECT_EQ(captionFor(99999), "1\u00a0234,5 février 1");
}
