#include "player/qt/PlayerWindow.h"
#include "build/CompileEngine.h"
#include "common/PathText.h"
#include "player/core/MenuDataParser.h"
#include "project/MenuProject.h"
#include "support/PictureComparison.h"
#include "support/ProjectSettingsEdit.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QMouseEvent>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void writeImage(const QString &path, QSize size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.save(path, "BMP");
}

// A compiled menu in a temporary CD folder: three buttons and a text over a
// 600 x 450-pixel window. Its scripts note what ran in the window's caption.
class PlayerWindowTest : public ::testing::Test
{
protected:
    PlayerWindowTest()
    {
        const QDir dir(m_dir.path());
        QDir().mkpath(dir.filePath(u"cd"_s));
        writeImage(dir.filePath(u"fond.bmp"_s), QSize(60, 45), QColor(0, 0, 128));
        for (const auto &[name, colour] : {std::pair{u"n.bmp"_s, QColor(Qt::green)},
                                           {u"h.bmp"_s, QColor(Qt::yellow)},
                                           {u"c.bmp"_s, QColor(Qt::red)}})
            writeImage(dir.filePath(name), QSize(40, 20), colour);

        m_project.setPath(dir.filePath(u"essai.zep"_s));
        m_project.setAuthor({u"Zoé"_s, QString(), QString(), QString()});
        m_project.setSize(9000, 6750);
        projectsettings::set(m_project, &ProjectSettings::backgroundImage, u"fond.bmp"_s);
        projectsettings::set(m_project, &ProjectSettings::startupAction, u"VBS:Note \"démarrage\""_s);
        projectsettings::set(m_project, &ProjectSettings::globalCode,
                             u"Sub Note(s)\r\n  Fenetre.Caption = Fenetre.Caption & \"|\" & s\r\nEnd Sub"_s);
        for (const ButtonKind kind : {ButtonKind::Multimedia, ButtonKind::Code, ButtonKind::Quit}) {
            const int slot = m_project.addButton(kind);
            MenuButton b = m_project.button(slot);
            b.left = 1500.0f * float(slot);
            b.top = 750;
            b.normalImage = u"n.bmp"_s;
            b.hoverImage = u"h.bmp"_s;
            b.clickImage = u"c.bmp"_s;
            b.code = slot == 1 ? u"[LECT]:\\videos\\film.avi"_s : u"Note \"clic 2\""_s;
            b.hoverCode = u"Note \"survol "_s + QString::number(slot) + u'"';
            m_project.setButton(slot, b);
        }
        const int text = m_project.addText();
        MenuText t = m_project.text(text);
        t.text = u"Bonjour"_s;
        t.left = 300;
        t.top = 450;
        t.width = 1500;
        t.height = 600;
        t.flags = u"11"_s;
        m_project.setText(text, t);
    }

    void compile()
    {
        QDir(m_dir.filePath(u"cd/zep"_s)).removeRecursively();
        CompileEngine engine(m_project, pathtext::folderOf(m_project.path()), testfiles::programPath(QString()));
        CompileRequest request = CompileRequest::defaultsFor(m_project);
        request.folder = m_dir.filePath(u"cd"_s);
        request.light = true;
        request.player = CompileRequest::kLinuxPlayer;
        ASSERT_TRUE(engine.compile(request).isWritten());
    }

    std::unique_ptr<PlayerWindow> openPlayer()
    {
        compile();
        const QByteArray bytes = testfiles::readBytes(m_dir.filePath(u"cd/zep/autorun.exe"_s));
        MenuModel menu;
        MenuDataParser parser;
        EXPECT_TRUE(parser.parseFile(std::string_view(bytes.constData(), std::size_t(bytes.size())), menu))
            << parser.error();
        auto window = std::make_unique<PlayerWindow>(std::move(menu), m_dir.filePath(u"cd/zep"_s),
                                                     m_dir.filePath(u"cd"_s), m_prompter);
        window->setOpener([this](const QString &path) {
            m_opened << path;
            return true;
        });
        return window;
    }

    static QColor colourAt(PlayerWindow &window, QPoint at) { return window.grab().toImage().pixelColor(at); }
    static void moveTo(PlayerWindow &window, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, window.mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
        QCoreApplication::sendEvent(&window, &move);
    }

    QTemporaryDir m_dir;
    MenuProject m_project;
    ScriptedPrompter m_prompter;
    QStringList m_opened;
};

} // namespace

TEST_F(PlayerWindowTest, TheWindowTakesItsSizeTitleAndItemsFromTheData)
{
    auto window = openPlayer();
    window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    // The global code ran first, so the start-up script could use its procedure.
    EXPECT_EQ(window->windowTitle(), u"essai|démarrage"_s);
    // The data gives the menu's size: the inside, as the worksheet shows it, the frame around it.
    EXPECT_EQ(window->size(), QSize(600, 450));
    EXPECT_GT(window->frameGeometry().height(), 450);
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::FramelessWindowHint));

    EXPECT_EQ(window->session().buttonAt({200, 50}), 2);
    EXPECT_EQ(window->session().buttonAt({239, 69}), 2);
    EXPECT_EQ(window->session().buttonAt({240, 70}), 0);
    EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    const auto *text = window->findChild<QTextEdit *>(u"Texte1"_s);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->geometry(), QRect(20, 30, 100, 40));
    EXPECT_EQ(text->toPlainText(), u"Bonjour"_s);
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    const QImage frame = window->grab().toImage();
    EXPECT_EQ(frame.pixelColor(5, 5), QColor(0, 0, 128));
    EXPECT_EQ(frame.pixelColor(205, 55), QColor(Qt::green));
    moveTo(*window, QPoint(205, 55));
    EXPECT_EQ(window->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(PlayerWindowTest, HoverAndClickSwapTheImagesAndRunTheButtonsAction)
{
    auto window = openPlayer();
    window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QPoint code(205, 55);

    moveTo(*window, code);
    EXPECT_EQ(colourAt(*window, code), QColor(Qt::yellow));
    QTest::mousePress(window.get(), Qt::LeftButton, {}, code);
    EXPECT_EQ(colourAt(*window, code), QColor(Qt::red));
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, code);
    EXPECT_EQ(colourAt(*window, code), QColor(Qt::yellow));
    moveTo(*window, QPoint(5, 5));
    EXPECT_EQ(colourAt(*window, code), QColor(Qt::green));
    EXPECT_EQ(window->windowTitle(), u"essai|démarrage|survol 2|clic 2"_s);

    // Text boxes lie above the buttons: the video button is clicked beside the text.
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(125, 55));
    EXPECT_EQ(m_opened, QStringList{m_dir.filePath(u"cd/videos/film.avi"_s)});
}

TEST_F(PlayerWindowTest, TheQuitButtonClosesTheMenu)
{
    auto window = openPlayer();
    window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(305, 55));
    EXPECT_FALSE(window->isVisible());
}

TEST_F(PlayerWindowTest, APolygonShapeMasksAFramelessWindow)
{
    m_project.setShapeVertices({{0, 0}, {9000, 0}, {0, 6750}});
    auto window = openPlayer();
    window->start();
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    const QRegion mask = window->windowMask();
    EXPECT_TRUE(mask.contains(QPoint(10, 10)));
    EXPECT_FALSE(mask.contains(QPoint(590, 440)));
    EXPECT_TRUE(mask.contains(QPoint(100, 300)));
}

TEST_F(PlayerWindowTest, WhitePixelsOfTheTransparencyImageAreHoles)
{
    QImage filter(60, 45, QImage::Format_RGB32);
    filter.fill(Qt::white);
    for (int y = 0; y < 45; ++y)
        for (int x = 0; x < 30; ++x)
            filter.setPixelColor(x, y, Qt::black);
    filter.save(m_dir.filePath(u"filtre.bmp"_s), "BMP");
    projectsettings::set(m_project, &ProjectSettings::transparencyImage, u"filtre.bmp"_s);
    auto window = openPlayer();
    window->start();
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window->windowMask().contains(QPoint(100, 100)));
    EXPECT_FALSE(window->windowMask().contains(QPoint(500, 100)));
}

TEST_F(PlayerWindowTest, TheRealPlayerStartsShowsItsFirstFrameAndEnds)
{
    compile();
    QProcess player;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    env.insert(u"ZEP_PLAYER_GRAB"_s, m_dir.filePath(u"ecran.png"_s));
    player.setProcessEnvironment(env);
    player.start(m_dir.filePath(u"cd/zep/autorun.exe"_s), {});
    ASSERT_TRUE(player.waitForFinished(30000));
    EXPECT_EQ(player.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(player.exitCode(), 0) << player.readAllStandardError().toStdString();
    const QImage shot(m_dir.filePath(u"ecran.png"_s));
    // The client area: the outer size less the frame the platform draws.
    EXPECT_TRUE(shot.width() > 580 && shot.width() <= 600 && shot.height() > 430 && shot.height() <= 450);
    EXPECT_EQ(shot.pixelColor(205, 55), QColor(Qt::green));

    player.start(m_dir.filePath(u"cd/zep/autorun.exe"_s), {u"auteur"_s});
    ASSERT_TRUE(player.waitForFinished(30000));
    EXPECT_EQ(player.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(player.readAllStandardOutput()), u"Projet : essai\nAuteur : Zoé\n"_s);

    player.start(m_dir.filePath(u"cd/zep/autorun.exe"_s), {u"infos"_s});
    ASSERT_TRUE(player.waitForFinished(30000));
    EXPECT_EQ(player.exitCode(), 0);
    EXPECT_TRUE(QString::fromUtf8(player.readAllStandardOutput()).startsWith(u"Ce menu a été créé avec ZEP"_s));
}

TEST_F(PlayerWindowTest, AtADevicePixelRatioOf1_5TheMenuIsThe96DpiMenuOneAndAHalfTimesAsLarge)
{
    // 400 x 300: the offscreen screen of 800 x 600 pixels is 533 x 400 at a ratio of 1.5.
    m_project.setSize(6000, 4500);
    projectsettings::set(m_project, &ProjectSettings::contours, 0);
    compile();
    const auto shot = [this](const QString &ratio) {
        QProcess player;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(u"QT_SCALE_FACTOR"_s, ratio);
        env.insert(u"ZEP_PLAYER_GRAB"_s, m_dir.filePath(u"ecran.png"_s));
        player.setProcessEnvironment(env);
        player.start(m_dir.filePath(u"cd/zep/autorun.exe"_s), {});
        EXPECT_TRUE(player.waitForFinished(30000));
        return QImage(m_dir.filePath(u"ecran.png"_s)).convertToFormat(QImage::Format_RGB32);
    };
    const QImage normal = shot(u"1"_s);
    const QImage large = shot(u"1.5"_s);
    ASSERT_EQ(normal.size(), QSize(400, 300));
    ASSERT_EQ(large.size(), QSize(600, 450));
    EXPECT_LT(picturecomparison::worstBlockDifference(
                  normal.scaled(600, 450, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), large),
              40);
    EXPECT_EQ(large.pixelColor(150 + 59, 75 + 29), QColor(Qt::green)) << "the 40 x 20 button is 60 x 30";
}

TEST(PlayerProgramTest, APlayerWithoutDataOrWithBadDataRefusesToStart)
{
    QTemporaryDir dir;
    const QString bare = dir.filePath(u"vide.exe"_s);
    QFile::copy(testfiles::programPath(CompileRequest::kLinuxPlayer), bare);
    const QString bad = dir.filePath(u"abime.exe"_s);
    QFile::copy(testfiles::programPath(CompileRequest::kLinuxPlayer), bad);
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("(debut)\xAC"
               "FICHIER DAT COMPATIBLE ZEP V2.0\xAC[G\xE9n\xE9ral]\xAC"
               "fond.jpg\xAC"
               "large\r\n");
    file.close();

    const std::pair<QString, QString> cases[] = {
        {bare, u"Ce menu ne peut pas être affiché : aucune donnée de menu n'est attachée à ce programme.\n"_s},
        {bad, u"Ce menu ne peut pas être affiché : nombre attendu au champ 4 : « large ».\n"_s},
    };
    for (const auto &[program, message] : cases) {
        QProcess player;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        player.setProcessEnvironment(env);
        player.start(program, {});
        ASSERT_TRUE(player.waitForFinished(30000));
        EXPECT_EQ(player.exitCode(), 1);
        EXPECT_TRUE(QString::fromUtf8(player.readAllStandardError()).endsWith(message))
            << player.readAllStandardError().toStdString();
    }
}

TEST_F(PlayerWindowTest, TheContextMenuOffersAboutAndQuitWhenTheDataAllowsIt)
{
    auto window = openPlayer();
    window->start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const auto openMenu = [&](const QString &entry) {
        QStringList entries;
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction *action : menu->actions()) {
                if (!action->isSeparator())
                    entries << action->text();
                if (action->text() == entry)
                    action->trigger();
            }
            menu->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), window->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(window.get(), &event);
        return entries;
    };

    m_prompter.expectMessage(u"Projet : essai\nAuteur : Zoé"_s, u"A propos de ce menu"_s, MessageIcon::Information,
                             MessageButtons::Ok, Answer::Ok);
    EXPECT_EQ(openMenu(u"A propos de ce menu..."_s), (QStringList{u"A propos de ce menu..."_s, u"Quitter"_s}));
    EXPECT_TRUE(m_prompter.allAnswered());
    EXPECT_TRUE(window->isVisible());
    openMenu(u"Quitter"_s);
    EXPECT_FALSE(window->isVisible());

    projectsettings::set(m_project, &ProjectSettings::contextMenu, 0);
    auto plain = openPlayer();
    plain->start();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), plain->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(plain.get(), &event);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}
