#include "SurfaceFixture.h"

#include "designer/MousePositionWindow.h"
#include "designer/worksheet/ButtonItem.h"
#include "designer/worksheet/TextItem.h"
#include "support/ProjectSettingsEdit.h"

#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

QColor pixel(const ButtonItem *item)
{
    return item->pixmap().toImage().pixelColor(2, 2);
}

} // namespace

class WorksheetTest : public SurfaceFixture
{
protected:
    void SetUp() override
    {
        m_normal = image(u"n.bmp"_s, {60, 20}, Qt::red);
        m_hover = image(u"s.bmp"_s, {60, 20}, Qt::green);
        m_click = image(u"c.bmp"_s, {60, 20}, Qt::blue);
    }

    QString m_normal, m_hover, m_click;
};

TEST_F(WorksheetTest, CaptionAndSizeFollowTheModelAndTheWindow)
{
    EXPECT_EQ(m_worksheet.windowTitle(), u"Feuille de travail - 9600x7200 - 640x480px"_s);
    EXPECT_EQ(m_worksheet.size(), QSize(640, 480)) << "the menu's size is the inside";
    EXPECT_EQ(m_project.settings().width, 9600.0f) << "borders coming with the window change nothing";
    m_project.setSize(9000, 6000);
    EXPECT_EQ(m_worksheet.size(), QSize(600, 400)); // a frame comes around it
    EXPECT_EQ(m_worksheet.windowTitle(), u"Feuille de travail - 9000x6000 - 600x400px"_s);

    projectsettings::set(m_project, &ProjectSettings::fullScreen, 1);
    EXPECT_EQ(m_worksheet.windowTitle(), u"Feuille de travail - (sera affiché en plein écran)"_s);
    projectsettings::set(m_project, &ProjectSettings::fullScreen, 0);

    m_worksheet.resize(QSize(400, 300));
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_project.settings().width == 6000.0f; }));
    EXPECT_EQ(m_project.settings().width, 6000.0f);
    EXPECT_EQ(m_project.settings().height, 4500.0f);
    EXPECT_EQ(m_worksheet.windowTitle(), u"Feuille de travail - 6000x4500 - 400x300px"_s);

    // A size between two pixels stays as the model holds it.
    m_project.setSize(6007, 4500);
    QTest::qWait(20);
    EXPECT_EQ(m_project.settings().width, 6007.0f);
}

TEST_F(WorksheetTest, BackgroundClickSelectsTheProjectAndDeleteAsksFirst)
{
    addButton(ButtonKind::Multimedia, m_normal, m_hover, m_click);
    addButton(ButtonKind::Code, m_normal, m_hover, m_click);
    addButton(ButtonKind::Quit, m_normal, m_hover, m_click);
    ButtonItem *second = m_worksheet.buttonItem(2);

    mouse(m_worksheet.buttonItem(1), QEvent::MouseButtonPress, {3, 3}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(m_document.selection().chosenCaption(), u"Bouton 1 (vidéo)"_s);
    mouse(&m_worksheet, QEvent::MouseButtonPress, {500, 400}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(m_document.selection().chosenCaption(), u"Feuille de travail"_s);
    QTest::keyClick(&m_worksheet, Qt::Key_Delete);

    mouse(second, QEvent::MouseButtonPress, {3, 3}, Qt::LeftButton, Qt::LeftButton);
    m_prompter.expectMessage(u"Supprimer le bouton 2 ?"_s, u"Suppression"_s, MessageIcon::Question,
                             MessageButtons::YesNo, Answer::No);
    QTest::keyClick(&m_worksheet, Qt::Key_Delete);
    EXPECT_EQ(m_project.button(2).kind, ButtonKind::Code);

    m_prompter.expectMessage(u"Supprimer le bouton 2 ?"_s, u"Suppression"_s, MessageIcon::Question,
                             MessageButtons::YesNo, Answer::Yes);
    QTest::keyClick(&m_worksheet, Qt::Key_Delete);
    EXPECT_EQ(m_project.button(2).kind, ButtonKind::Deleted);
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(m_document.selection().selectedButton(), -1);
    EXPECT_EQ(m_document.selection().captions(),
              (QStringList{u"Feuille de travail"_s, u"Bouton 1 (vidéo)"_s, u"Bouton 3 (quitter)"_s}));
    EXPECT_EQ(m_document.selection().chosenCaption(), u"Feuille de travail"_s);

    // Numbers are not reused.
    EXPECT_EQ(addButton(ButtonKind::Multimedia, m_normal, m_hover, m_click), 4);
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(WorksheetTest, FunctionKeysReachTheirHooksAndCloseIsRefused)
{
    QSignalSpy test(&m_worksheet, &Worksheet::testRequested);
    QSignalSpy help(&m_worksheet, &Worksheet::helpRequested);
    QTest::keyClick(&m_worksheet, Qt::Key_F5);
    QTest::keyClick(&m_worksheet, Qt::Key_F1);
    EXPECT_EQ(test.count(), 1);
    EXPECT_EQ(help.count(), 1);

    EXPECT_FALSE(m_worksheet.close());
    EXPECT_TRUE(m_worksheet.isVisible());
}

TEST_F(WorksheetTest, ThePrecisePointerIsACrossHair)
{
    EXPECT_EQ(m_worksheet.cursor().shape(), Qt::ArrowCursor);
    m_worksheet.setPrecisePointer(true);
    EXPECT_EQ(m_worksheet.cursor().shape(), Qt::CrossCursor);
    m_worksheet.setPrecisePointer(false);
    EXPECT_EQ(m_worksheet.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(WorksheetTest, AButtonShowingItsHoverLookTakesTheNewHoverPicture)
{
    addButton(ButtonKind::Code, m_normal, m_hover, m_click);
    ButtonItem *one = m_worksheet.buttonItem(1);
    move(one, {4, 4});
    ASSERT_EQ(pixel(one), QColor(Qt::green));

    MenuButton b = m_project.button(1);
    b.hoverImage = image(u"s2.bmp"_s, {60, 20}, Qt::yellow);
    m_project.setButton(1, b);
    EXPECT_EQ(one->state(), surface::ImageState::Hover);
    EXPECT_EQ(pixel(one), QColor(Qt::yellow));

    b.clickImage = image(u"c2.bmp"_s, {60, 20}, Qt::cyan);
    m_project.setButton(1, b);
    EXPECT_EQ(pixel(one), QColor(Qt::yellow)) << "the click picture shows only while pressed";
}

TEST_F(WorksheetTest, HoverAndClickImages)
{
    addButton(ButtonKind::Multimedia, m_normal, m_hover, m_click);
    addButton(ButtonKind::Code, m_normal, m_hover, image(u"absent-later.bmp"_s, {60, 20}, Qt::blue));
    QFile::remove(m_dir.filePath(u"absent-later.bmp"_s));
    ButtonItem *one = m_worksheet.buttonItem(1);
    ButtonItem *two = m_worksheet.buttonItem(2);

    move(one, {4, 4});
    EXPECT_EQ(one->state(), surface::ImageState::Hover);
    EXPECT_EQ(pixel(one), QColor(Qt::green));

    // Another button takes the hover; the first goes back to normal.
    move(two, {4, 4});
    EXPECT_EQ(one->state(), surface::ImageState::Normal);
    EXPECT_EQ(pixel(one), QColor(Qt::red));
    EXPECT_EQ(pixel(two), QColor(Qt::green));

    // A missing click image leaves the picture, the state still changes.
    mouse(two, QEvent::MouseButtonPress, {4, 4}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(two->state(), surface::ImageState::Click);
    EXPECT_EQ(pixel(two), QColor(Qt::green));
    move(two, {5, 5}, Qt::LeftButton);
    EXPECT_EQ(two->state(), surface::ImageState::Click);
    mouse(two, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
    move(two, {6, 6});
    EXPECT_EQ(two->state(), surface::ImageState::Hover);

    mouse(one, QEvent::MouseButtonPress, {4, 4}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(pixel(one), QColor(Qt::blue));
    mouse(one, QEvent::MouseButtonRelease, {4, 4}, Qt::LeftButton, Qt::NoButton);

    move(&m_worksheet, {600, 450});
    EXPECT_EQ(one->state(), surface::ImageState::Normal);
    EXPECT_EQ(two->state(), surface::ImageState::Normal);
    EXPECT_EQ(pixel(one), QColor(Qt::red));

    m_worksheet.activateWindow();
    // Only a chance to settle: what the test needs is checked after.
    static_cast<void>(QTest::qWaitForWindowActive(&m_worksheet));
    move(one, {4, 4});
    m_palette.show();
    m_palette.activateWindow();
    static_cast<void>(QTest::qWaitFor([&] { return !m_worksheet.isActiveWindow(); }));
    EXPECT_EQ(one->state(), surface::ImageState::Normal);
}

TEST_F(WorksheetTest, ModifierDragMovesButtonsAndTexts)
{
    addButton(ButtonKind::Multimedia, m_normal, m_hover, m_click);
    click(u"Créer"_s);
    ButtonItem *button = m_worksheet.buttonItem(1);
    TextItem *text = m_worksheet.textItem(1);

    // Held 10 px right and 5 px down of its corner, dropped on the background.
    mouse(button, QEvent::MouseButtonPress, {10, 5}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(m_document.selection().chosenCaption(), u"Bouton 1 (vidéo)"_s);
    EXPECT_EQ(button->state(), surface::ImageState::Normal);
    mouse(button, QEvent::MouseButtonRelease, button->mapFrom(&m_worksheet, QPoint(300, 200)), Qt::LeftButton,
          Qt::NoButton, Qt::ShiftModifier);
    EXPECT_EQ(m_project.button(1).left, (300 - 10) * 15);
    EXPECT_EQ(m_project.button(1).top, (200 - 5) * 15);
    EXPECT_EQ(button->pos(), QPoint(290, 195));
    EXPECT_EQ(m_worksheet.cornerMarker(3)->pos(), QPoint(290 + 60, 195 + 20));

    // Ctrl starts a drag just as Shift does; the text is dropped over the button.
    QWidget *viewport = text->viewport();
    const QPoint inText = viewport->mapFrom(text, QPoint(20, 8));
    mouse(viewport, QEvent::MouseButtonPress, inText, Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(m_document.selection().chosenCaption(), u"Texte 1"_s);
    mouse(viewport, QEvent::MouseButtonRelease, viewport->mapFrom(&m_worksheet, QPoint(295, 200)), Qt::LeftButton,
          Qt::NoButton);
    EXPECT_EQ(m_project.text(1).left, (295 - 20) * 15);
    EXPECT_EQ(m_project.text(1).top, (200 - 8) * 15);
    EXPECT_EQ(text->pos(), QPoint(275, 192));
    EXPECT_EQ(m_worksheet.cornerMarker(0)->pos(), QPoint(275 - 7, 192 - 7));

    // A drag that ends outside the worksheet moves nothing, and the next plain click is no drop.
    for (const QPoint outside : {QPoint(-30, 100), QPoint(100, 2000)}) {
        mouse(button, QEvent::MouseButtonPress, {10, 5}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
        mouse(button, QEvent::MouseButtonRelease, button->mapFrom(&m_worksheet, outside), Qt::LeftButton,
              Qt::NoButton, Qt::ShiftModifier);
        EXPECT_EQ(m_project.button(1).left, (300 - 10) * 15);
        EXPECT_EQ(m_project.button(1).top, (200 - 5) * 15);
        EXPECT_EQ(button->pos(), QPoint(290, 195));
    }
    mouse(viewport, QEvent::MouseButtonPress, inText, Qt::LeftButton, Qt::LeftButton);
    mouse(viewport, QEvent::MouseButtonRelease, inText, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(m_project.text(1).left, (295 - 20) * 15);
}

TEST_F(WorksheetTest, RightDragResizesTheTextFromItsCorner)
{
    click(u"Créer"_s);
    TextItem *text = m_worksheet.textItem(1);
    QWidget *viewport = text->viewport();
    mouse(viewport, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    EXPECT_TRUE(text->isResizing());

    move(&m_worksheet, {113, 63}, Qt::RightButton);
    EXPECT_EQ(m_project.text(1).width, 113 * 15 - 200);
    EXPECT_EQ(m_project.text(1).height, 63 * 15 - 200);
    EXPECT_EQ(text->geometry(), QRect(13, 13, 100, 50));

    // Left of its left edge: the width stays, the height follows; the corner never moves.
    move(viewport, viewport->mapFrom(&m_worksheet, QPoint(5, 83)), Qt::RightButton);
    EXPECT_EQ(m_project.text(1).width, 113 * 15 - 200);
    EXPECT_EQ(m_project.text(1).height, 83 * 15 - 200);
    EXPECT_EQ(m_project.text(1).left, 200);

    // Without the right button nothing changes.
    move(&m_worksheet, {300, 300});
    EXPECT_EQ(m_project.text(1).height, 83 * 15 - 200);

    mouse(&m_worksheet, QEvent::MouseButtonRelease, {300, 300}, Qt::RightButton, Qt::NoButton);
    EXPECT_FALSE(text->isResizing());

    // Choosing the text in the chooser ends its own resize mode too.
    mouse(viewport, QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    ASSERT_TRUE(text->isResizing());
    m_document.selection().choose(ItemRef::text(1));
    EXPECT_FALSE(text->isResizing());
}

TEST_F(WorksheetTest, ReservedCharactersAreRefusedOncePerKind)
{
    click(u"Créer"_s);
    TextItem *text = m_worksheet.textItem(1);
    m_prompter.expectMessage(u"Caratère interdit !"_s, u"Erreur !"_s, MessageIcon::Critical, MessageButtons::Ok,
                             Answer::Ok);
    m_prompter.expectMessage(u"Caratère interdit !"_s, u"Erreur !"_s, MessageIcon::Critical, MessageButtons::Ok,
                             Answer::Ok);
    text->setPlainText(u"a\u00A4b\u00ACc\u00A4\nd"_s);
    EXPECT_EQ(text->toPlainText(), u"abc\nd"_s);
    EXPECT_EQ(m_project.text(1).text, u"abc\r\nd"_s);
    EXPECT_TRUE(m_prompter.allAnswered());

    text->setPlainText(u"plain"_s);
    EXPECT_EQ(m_project.text(1).text, u"plain"_s);
}

TEST_F(WorksheetTest, TextsShowTheirModel)
{
    click(u"Créer"_s);
    MenuText t = m_project.text(1);
    t.fontName = u"Courier"_s;
    t.fontSize = 14;
    t.bold = true;
    t.underline = true;
    t.backColour = 255;
    t.textColour = 65280;
    t.flags = u"10"_s;
    t.text = u"un\r\ndeux"_s;
    m_project.setText(1, t);
    TextItem *text = m_worksheet.textItem(1);
    EXPECT_EQ(text->font().family(), u"Courier"_s);
    EXPECT_EQ(text->font().pointSizeF(), 14.0);
    EXPECT_TRUE(text->font().bold());
    EXPECT_TRUE(text->font().underline());
    EXPECT_EQ(text->palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(text->palette().color(QPalette::Text), QColor(0, 255, 0));
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(text->toPlainText(), u"un\ndeux"_s);
}

TEST_F(WorksheetTest, MousePositionFollowsThePointer)
{
    MousePositionWindow window;
    QObject::connect(&m_worksheet, &Worksheet::pointerMoved,
                     [&](double x, double y) { window.showPosition(x, y, m_worksheet.twipsPerPixel()); });
    EXPECT_EQ(window.texts(), (QStringList{u"X=0000"_s, u"Y=0000"_s, u"X=0000"_s, u"Y=0000"_s}));
    move(&m_worksheet, {80, 3});
    EXPECT_EQ(window.texts(), (QStringList{u"X=1200"_s, u"Y=45"_s, u"X=80px"_s, u"Y=3px"_s}));

    addButton(ButtonKind::Quit, m_normal, m_hover, m_click);
    move(m_worksheet.buttonItem(1), {2, 1});
    EXPECT_EQ(window.texts(), (QStringList{u"X=225"_s, u"Y=210"_s, u"X=15px"_s, u"Y=14px"_s}));
}

TEST_F(WorksheetTest, ResetEmptiesTheSurface)
{
    addButton(ButtonKind::Quit, m_normal, m_hover, m_click);
    click(u"Créer"_s);
    projectsettings::set(m_project, &ProjectSettings::backgroundImage, image(u"fond.bmp"_s, {32, 24}, Qt::yellow));
    EXPECT_FALSE(m_worksheet.background().isNull());
    m_project.reset();
    EXPECT_EQ(m_worksheet.buttonItem(1), nullptr);
    EXPECT_EQ(m_worksheet.textItem(1), nullptr);
    EXPECT_TRUE(m_worksheet.background().isNull());
    EXPECT_FALSE(m_worksheet.cornerMarker(0)->isVisible());
}

TEST_F(WorksheetTest, CornerMarkersFollowTheOption)
{
    click(u"Créer"_s);
    EXPECT_TRUE(m_worksheet.cornerMarker(2)->isVisible());
    EXPECT_EQ(m_worksheet.cornerMarker(2)->pos(), QPoint(13 - 7, 13 + 97));
    m_worksheet.setCornerMarkersShown(false);
    EXPECT_FALSE(m_worksheet.cornerMarker(2)->isVisible());
    m_worksheet.setCornerMarkersShown(true);
    EXPECT_TRUE(m_worksheet.cornerMarker(2)->isVisible());
    m_document.selection().choose(ItemRef::project());
    EXPECT_FALSE(m_worksheet.cornerMarker(2)->isVisible());
}

TEST_F(WorksheetTest, MovesResizesAdditionsAndDeletionsUndoAndRedo)
{
    QUndoStack &stack = m_document.undoStack();
    addButton(ButtonKind::Multimedia, m_normal, m_hover, m_click);
    click(u"Créer"_s);
    ButtonItem *button = m_worksheet.buttonItem(1);
    TextItem *text = m_worksheet.textItem(1);

    mouse(button, QEvent::MouseButtonPress, {0, 0}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    mouse(button, QEvent::MouseButtonRelease, button->mapFrom(&m_worksheet, QPoint(100, 50)), Qt::LeftButton,
          Qt::NoButton);
    mouse(text->viewport(), QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    move(&m_worksheet, {213, 113}, Qt::RightButton);
    mouse(&m_worksheet, QEvent::MouseButtonRelease, {213, 113}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(m_project.text(1).width, 213 * 15 - 200);
    EXPECT_EQ(stack.count(), 4);

    m_worksheet.activateWindow();
    // Only a chance to settle: what the test needs is checked after.
    static_cast<void>(QTest::qWaitForWindowActive(&m_worksheet));
    QTest::keyClick(&m_worksheet, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_project.text(1).width, 2895);
    EXPECT_EQ(text->width(), 193);
    stack.undo();
    EXPECT_EQ(m_project.button(1).left, 200);
    EXPECT_EQ(button->pos(), QPoint(13, 13));
    QTest::keyClick(&m_worksheet, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(m_project.button(1).left, 1500);

    // Undoing an addition deletes; redoing brings the entry back, selected.
    stack.undo();
    stack.undo();
    EXPECT_FALSE(m_project.text(1).isStored());
    EXPECT_FALSE(text->isVisible());
    stack.redo();
    EXPECT_EQ(m_project.text(1).text, u"Tapez ici le contenu du Texte 1"_s);
    EXPECT_EQ(m_document.selection().chosenCaption(), u"Texte 1"_s);

    mouse(button, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton);
    m_prompter.expectMessage(u"Supprimer le bouton 1 ?"_s, u"Suppression"_s, MessageIcon::Question,
                             MessageButtons::YesNo, Answer::Yes);
    QTest::keyClick(&m_worksheet, Qt::Key_Delete);
    EXPECT_TRUE(m_project.button(1).isDeleted());
    stack.undo();
    EXPECT_EQ(m_project.button(1).kind, ButtonKind::Multimedia);
    EXPECT_TRUE(button->isVisible());
    EXPECT_EQ(m_document.selection().chosenCaption(), u"Bouton 1 (vidéo)"_s);
    stack.redo();
    EXPECT_TRUE(m_project.button(1).isDeleted());
    EXPECT_EQ(m_document.selection().captions(), (QStringList{u"Feuille de travail"_s, u"Texte 1"_s}));
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(WorksheetTest, TypingInATextIsOneStepAndThePaletteTransparencyUndoes)
{
    QUndoStack &stack = m_document.undoStack();
    click(u"Créer"_s);
    TextItem *text = m_worksheet.textItem(1);
    ASSERT_NE(text, nullptr);
    text->setFocus();
    text->moveCursor(QTextCursor::End);
    QTest::keyClicks(text, u" !"_s);
    EXPECT_EQ(m_project.text(1).text, u"Tapez ici le contenu du Texte 1 !"_s);
    EXPECT_EQ(stack.count(), 2) << "the addition, then the typing as one step";

    m_document.selection().choose(ItemRef::project()); // turning to another item ends the typing
    const QString image = this->image(u"t.bmp"_s, {10, 10}, Qt::white);
    m_prompter.expectOpenFile({u"Image pour la transparence..."_s,
                               u"Fichier BMP ou GIF avec transparence | *.bmp;*.gif"_s, QString()},
                              image);
    m_resources.transparencyMenu()->actions().at(0)->trigger();
    EXPECT_EQ(m_project.settings().transparencyImage, image);

    stack.undo();
    EXPECT_TRUE(m_project.settings().transparencyImage.isEmpty());
    stack.undo();
    EXPECT_EQ(m_project.text(1).text, u"Tapez ici le contenu du Texte 1"_s);
    EXPECT_EQ(text->toPlainText(), u"Tapez ici le contenu du Texte 1"_s);
    stack.redo();
    stack.redo();
    EXPECT_EQ(text->toPlainText(), u"Tapez ici le contenu du Texte 1 !"_s);
    EXPECT_EQ(m_project.settings().transparencyImage, image);
    EXPECT_TRUE(m_prompter.allAnswered());
}
