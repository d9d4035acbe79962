#include "ShellFixture.h"

#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "designer/MousePositionWindow.h"
#include "designer/ObjectsPalette.h"
#include "designer/ParametersPanel.h"
#include "designer/Worksheet.h"
#include "project/MenuProject.h"
#include "project/ProjectStorage.h"
#include "shape/gui/ShapeEditor.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

TEST_F(ShellFixture, ThePalettesEditorDrawsTheMenusShapeOverItsBackground)
{
    ASSERT_TRUE(start());
    ASSERT_TRUE(session().storage().open(testfiles::exampleProject()));
    MenuProject &project = session().project();
    ShapeEditor &editor = session().shapeEditor();

    QTest::mouseClick(session().palette()->command(u"forme_editeur"_s), Qt::LeftButton);
    ASSERT_TRUE(editor.isOpen());
    EXPECT_FALSE(session().palette()->isVisible());
    EXPECT_FALSE(session().mainWindow()->isVisible());
    EXPECT_FALSE(session().parametersPanel()->isVisible());
    EXPECT_TRUE(session().worksheet()->isMinimized());
    EXPECT_EQ(editor.surface()->size(), session().worksheet()->size());
    EXPECT_EQ(editor.surface()->drawing().existingLines().size(), project.shapeVertexCount() - 1);
    const QImage shown = editor.surface()->grab().toImage();
    const QImage sheet = session().worksheet()->background().toImage().scaled(shown.size());
    EXPECT_EQ(shown.pixel(720, 520), sheet.pixel(720, 520)) << "the example's background under the drawing";
    // The buttons and texts too, so that the author draws around what the menu shows.
    EXPECT_NE(shown.pixel(400, 300), sheet.pixel(400, 300)) << "the example's second button";
    EXPECT_EQ(shown.pixel(400, 300), session().worksheet()->grab().toImage().pixel(400, 300));

    const QPoint a(100, 80), b(700, 100), c(400, 550);
    for (const QPoint &p : {a, b, c})
        QTest::mouseClick(editor.surface(), Qt::LeftButton, {}, p);
    QTest::mouseClick(editor.surface(), Qt::RightButton, {}, c);
    QTest::mouseClick(editor.toolbar()->command(u"Valider"_s), Qt::LeftButton);

    const TwipsPerPixel tpp = session().worksheet()->twipsPerPixel();
    const auto twips = [&](QPoint p) {
        return ShapePoint{qint32(std::lround(p.x() * tpp.x)), qint32(std::lround(p.y() * tpp.y))};
    };
    EXPECT_EQ(project.shape().mid(1), (QList<ShapePoint>{twips(a), twips(b), twips(c), twips(a)}));
    EXPECT_FALSE(editor.isOpen());
    EXPECT_TRUE(session().palette()->isVisible());
    EXPECT_TRUE(session().mainWindow()->isVisible());
    EXPECT_TRUE(session().parametersPanel()->isVisible());
    EXPECT_FALSE(session().worksheet()->isMinimized());
}

TEST_F(ShellFixture, ValiderAndPasDeFormeAreUndoneLikeAnyEdit)
{
    ASSERT_TRUE(start());
    ASSERT_TRUE(session().storage().open(testfiles::exampleProject()));
    MenuProject &project = session().project();
    ShapeEditor &editor = session().shapeEditor();
    const QList<ShapePoint> example = project.shape().mid(1);
    ASSERT_FALSE(example.isEmpty());
    QAction *undo = session().mainWindow()->menus().undo;
    QAction *redo = session().mainWindow()->menus().redo;

    editor.open();
    QTest::mouseClick(editor.surface(), Qt::LeftButton, {}, QPoint(50, 60));
    QTest::mouseClick(editor.surface(), Qt::RightButton, {}, QPoint(50, 60));
    QTest::mouseClick(editor.toolbar()->command(u"Valider"_s), Qt::LeftButton);
    const QList<ShapePoint> drawn = project.shape().mid(1);
    EXPECT_EQ(drawn.size(), 2);

    editor.open();
    m_prompter.expectMessage(u"Effacer la forme du menu en cours ?"_s, u"Editeur de forme"_s, MessageIcon::Question,
                             MessageButtons::YesNo, Answer::Yes);
    QTest::mouseClick(editor.toolbar()->command(u"Pas de forme"_s), Qt::LeftButton);
    EXPECT_EQ(project.shapeVertexCount(), 0);

    ASSERT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(project.shape().mid(1), drawn);
    undo->trigger();
    EXPECT_EQ(project.shape().mid(1), example) << "Ctrl+Z brings the example's own shape back";
    redo->trigger();
    EXPECT_EQ(project.shape().mid(1), drawn);
}
