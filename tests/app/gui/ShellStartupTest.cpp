#include "ShellFixture.h"

#include "app/BuildCommands.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "app/core/AppearanceFile.h"
#include "app/core/OptionsFile.h"
#include "common/gui/ScreenMetrics.h"
#include "designer/MousePositionWindow.h"
#include "designer/ObjectsPalette.h"
#include "designer/ParametersPanel.h"
#include "designer/Worksheet.h"
#include "document/DesignerDocument.h"
#include "project/MenuProject.h"
#include "script/gui/ScriptEditorWindow.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTest>

#include <algorithm>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

int px(double twips)
{
    return int(std::lround(twips / 15.0));
}

} // namespace

TEST_F(ShellFixture, WindowsAreCreatedInOrderAndLaidOutAroundTheWorksheet)
{
    ASSERT_TRUE(start());
    ASSERT_EQ(screenmetrics::twipsPerPixel().x, 15) << "the offscreen screen is 96 dpi";
    const QRect screen = screenmetrics::availablePixels();
    DesignerSession &s = session();

    const QList<QWidget *> order{s.palette(), s.mainWindow(), s.worksheet(), s.parametersPanel(), s.scriptEditor(),
                                 s.mousePosition()};
    QStringList names;
    for (QWidget *w : order)
        names << w->objectName();
    EXPECT_EQ(names, (QStringList{u"Form1"_s, u"Form2"_s, u"Form3"_s, u"Form4"_s, u"Form5"_s, u"Form10"_s}));
    EXPECT_EQ(s.mainWindow()->windowTitle(), u"ZEP v2.0 - créateur de menus"_s);
    EXPECT_EQ(s.palette()->windowTitle(), u"Objets"_s);
    EXPECT_EQ(s.parametersPanel()->windowTitle(), u"Paramètres"_s);
    EXPECT_EQ(s.scriptEditor()->windowTitle(), u"Code VBS"_s);
    EXPECT_EQ(s.mousePosition()->windowTitle(), u"Position de la souris"_s);

    const QSize first = screen.width() == 800 ? QSize(640, 480) : QSize(800, 600);
    EXPECT_EQ(s.worksheet()->size(), first) << "the menu's size is the inside";
    EXPECT_EQ(s.project().settings().width, first.width() * 15.0f);

    // Every window is placed by its frame, once the frames are known.
    const auto frame = [](const QWidget *w) { return w->frameGeometry(); };
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return std::abs(frame(s.mainWindow()).bottom() + 1 + px(200) - frame(s.worksheet()).top()) <= 1;
    }));
    const QRect sheet = frame(s.worksheet());
    EXPECT_NEAR(sheet.top(), screen.height() / 2 - sheet.height() / 2, 1);
    const QRect palette = frame(s.palette());
    EXPECT_EQ(palette.top(), sheet.top());
    // On an 800-pixel screen the pair overflows to the left and the platform may nudge it.
    EXPECT_NEAR(sheet.left() - (palette.left() + palette.width()), px(200), 3);
    EXPECT_NEAR(palette.left() + (sheet.left() + sheet.width() - palette.left()) / 2.0, screen.width() / 2.0, 3);
    const QRect main = frame(s.mainWindow());
    EXPECT_EQ(s.mainWindow()->height(), px(615));
    EXPECT_NEAR(main.top() + main.height(), sheet.top() - px(200), 1);
    EXPECT_NEAR(main.left() + main.width() / 2.0, screen.width() / 2.0, 1);
    const QRect panel = frame(s.parametersPanel());
    EXPECT_NEAR(panel.left(), palette.left(), 3);
    EXPECT_NEAR(panel.top(), palette.top() + palette.height() + px(200), 1);
    EXPECT_NEAR(panel.top() + panel.height(), screen.height() - px(500), 1);
    // Beside the main window, and above the worksheet's title bar.
    const QRect mouse = frame(s.mousePosition());
    EXPECT_NEAR(mouse.top(), std::min(main.top(), sheet.top() - px(200) - mouse.height()), 1);
    EXPECT_NEAR(mouse.left(), main.left() + main.width() + px(500), 1);

    EXPECT_TRUE(s.mainWindow()->isVisible());
    EXPECT_TRUE(s.palette()->isVisible());
    EXPECT_TRUE(s.worksheet()->isVisible());
    EXPECT_TRUE(s.parametersPanel()->isVisible());
    EXPECT_TRUE(s.mousePosition()->isVisible()) << "shown on a first run";
    EXPECT_FALSE(s.scriptEditor()->isVisible());
    EXPECT_EQ(s.document().selection().chosenCaption(), u"Feuille de travail"_s);
}

TEST_F(ShellFixture, TheFirstRunWritesTheOptionsAppearancesAndAssociation)
{
    ASSERT_TRUE(start());
    EXPECT_EQ(testfiles::readBytes(programFile(u"apparences.ini"_s)), AppearanceFile::defaultBytes());
    const QByteArray options = testfiles::readBytes(programFile(u"zep_options.ini"_s));
    EXPECT_TRUE(options.startsWith("non\r\noui\r\noui\r\n")) << options.constData();
    EXPECT_TRUE(options.endsWith("non\r\noui\r\n")) << options.constData();
    EXPECT_TRUE(QFile::exists(m_user.filePath(u"data/mime/packages/x-zep.xml"_s)));
    EXPECT_TRUE(QFile::exists(m_user.filePath(u"data/applications/zep.desktop"_s)));
    EXPECT_EQ(m_settings.value(u"General"_s, u"Version"_s), u"2.0"_s);
    EXPECT_EQ(m_settings.value(u"General"_s, u"Chemin"_s), QDir(m_program.path()).absolutePath() + u'/');
}

TEST_F(ShellFixture, ToolWindowsRefuseToBeClosed)
{
    ASSERT_TRUE(start());
    for (QWidget *w : {static_cast<QWidget *>(session().palette()), static_cast<QWidget *>(session().worksheet()),
                       static_cast<QWidget *>(session().parametersPanel())}) {
        EXPECT_FALSE(w->close()) << w->objectName().toStdString();
        EXPECT_TRUE(w->isVisible());
    }
}

TEST_F(ShellFixture, AnOptionsFileIsAppliedThroughEachEntrysOwnAction)
{
    testfiles::writeBytes(programFile(u"zep_options.ini"_s),
                          "oui\r\nnon\r\nnon\r\n 6392715 \r\n 2208689 \r\n 16777215 \r\nDejaVu Sans\r\noui\r\nnon\r\n");
    testfiles::writeBytes(programFile(u"apparences.ini"_s), AppearanceFile::defaultBytes());
    ASSERT_TRUE(start());
    MainMenus &menus = session().mainWindow()->menus();
    EXPECT_TRUE(menus.precisePointer->isChecked());
    EXPECT_FALSE(menus.mousePosition->isChecked());
    EXPECT_FALSE(session().mousePosition()->isVisible());
    EXPECT_FALSE(menus.cornerMarkers->isChecked());
    EXPECT_TRUE(menus.wizardAtStart->isChecked());
    EXPECT_TRUE(session().wizardRequested());
    EXPECT_FALSE(menus.requireMultimediaFile->isChecked());
    auto *field = session().mainWindow()->findChild<QWidget *>(u"Text_exemple"_s);
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(0xB1, 0xB3, 0x21));

    menus.mousePosition->trigger();
    EXPECT_TRUE(session().mousePosition()->isVisible());
    EXPECT_TRUE(testfiles::readBytes(programFile(u"zep_options.ini"_s)).startsWith("oui\r\noui\r\nnon\r\n"));
}

TEST_F(ShellFixture, TheThemeInUseReachesEveryTextFieldTheScriptEditorAndTheWaitPanels)
{
    testfiles::writeBytes(programFile(u"zep_options.ini"_s),
                          "non\r\nnon\r\noui\r\n 6392715 \r\n 2208689 \r\n 16777215 \r\nDejaVu Sans\r\nnon\r\noui\r\n");
    testfiles::writeBytes(programFile(u"apparences.ini"_s), AppearanceFile::defaultBytes());
    ASSERT_TRUE(start());
    const QColor window(0x8B, 0x8B, 0x61); // 6392715
    const QColor field(0xB1, 0xB3, 0x21);  // 2208689

    for (QWidget *w : session().themedWindows()) {
        for (const QLineEdit *edit : w->findChildren<QLineEdit *>()) {
            if (edit->property("tag").toString() != u"N_DESIGN"_s) {
                EXPECT_EQ(edit->palette().color(QPalette::Base), field) << edit->objectName().toStdString();
            }
        }
    }

    ScriptEditorWindow *editor = session().scriptEditor();
    EXPECT_EQ(editor->palette().color(QPalette::Window), window);
    EXPECT_EQ(editor->findChild<QWidget *>(u"tester"_s)->palette().color(QPalette::ButtonText), QColor(Qt::white));
    const auto *code = editor->findChild<QWidget *>(u"code"_s);
    EXPECT_EQ(code->palette().color(QPalette::Base), field);
    EXPECT_EQ(code->palette().color(QPalette::Text), QColor(0, 0, 128)) << "the code keeps its own colour";

    session().build().showWaitPanels(true);
    const QWidget *editorPanel = editor->findChild<QWidget *>(u"patienter"_s);
    const QWidget *worksheetPanel = session().worksheet()->waitPanel();
    EXPECT_TRUE(worksheetPanel->isVisible());
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText})
        EXPECT_EQ(worksheetPanel->palette().color(role), editorPanel->palette().color(role));
    EXPECT_EQ(worksheetPanel->palette().color(QPalette::Window), window);
    EXPECT_EQ(worksheetPanel->font().family(), editorPanel->font().family());
    session().build().showWaitPanels(false);
}

TEST_F(ShellFixture, AStartupProjectNamedOnTheCommandLineWinsOverTheWizard)
{
    testfiles::writeBytes(programFile(u"zep_options.ini"_s),
                          "non\r\noui\r\noui\r\n 0 \r\n 0 \r\n 0 \r\nDejaVu Sans\r\noui\r\noui\r\n");
    const QString example = testfiles::exampleProject();
    ASSERT_TRUE(start({u"\""_s + example + u"\""_s}));
    EXPECT_FALSE(session().wizardRequested());
    EXPECT_FALSE(session().mainWindow()->menus().wizardAtStart->isChecked());

    QApplication::processEvents();
    session().parametersPanel()->activateWindow();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(session().parametersPanel(), &activate);
    EXPECT_EQ(session().project().path(), example);
    EXPECT_EQ(session().project().buttonSlotsInUse(), 5);

    session().project().reset();
    QApplication::sendEvent(session().parametersPanel(), &activate);
    EXPECT_TRUE(session().project().path().isEmpty()) << "opened once per run";
}

TEST_F(ShellFixture, TheMaintenanceModeEndsTheProgramWithoutWindows)
{
    m_prompter.expectInput({u"Code débogage ?\r\n\r\n#"_s, u"ZEP - Mode débogage"_s, u"0"_s}, u"4"_s);
    m_prompter.expectMessage(u"Fichier zep_options.ini vidé"_s, u"ZEP - Mode débogage"_s, MessageIcon::Information,
                             MessageButtons::Ok, Answer::Ok);
    EXPECT_FALSE(start({u"debogage"_s}));
    EXPECT_EQ(m_startup->session(), nullptr);
    EXPECT_EQ(testfiles::readBytes(programFile(u"zep_options.ini"_s)), QByteArray());
}
