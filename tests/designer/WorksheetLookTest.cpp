#include "SurfaceFixture.h"

#include "designer/MousePositionWindow.h"
#include "designer/worksheet/ButtonItem.h"
#include "designer/worksheet/SurfaceOverlay.h"
#include "designer/worksheet/TextItem.h"
#include "support/ProjectSettingsEdit.h"

#include <QImage>
#include <QTest>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMagenta = 0xFF00FF;

} // namespace

// What the worksheet shows beyond the items themselves: the outline of an item being
// moved, the corner markers, transparent buttons and the window's shape.
class WorksheetLookTest : public SurfaceFixture
{
protected:
    void SetUp() override
    {
        m_normal = image(u"n.bmp"_s, {60, 20}, Qt::red);
        projectsettings::set(m_project, &ProjectSettings::backgroundColour, 0x00FF00); // green, as 0xBBGGRR
    }

    QColor shown(QPoint at) { return m_worksheet.grab().toImage().pixelColor(at); }

    // A 20 × 10 image, magenta but for a blue square of 4 × 4 at its top-left corner.
    QString keyedImage()
    {
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(QColor(255, 0, 255));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                picture.setPixelColor(x, y, Qt::blue);
        const QString path = m_dir.filePath(u"cle.bmp"_s);
        EXPECT_TRUE(picture.save(path, "BMP"));
        return path;
    }

    QString m_normal;
};

TEST_F(WorksheetLookTest, AModifierDragShowsTheItemsOutlineUnderThePointerUntilTheDrop)
{
    addButton(ButtonKind::Multimedia, m_normal, m_normal, m_normal);
    ButtonItem *button = m_worksheet.buttonItem(1);
    SurfaceOverlay *overlay = m_worksheet.overlay();
    const QPoint start = button->pos();
    EXPECT_EQ(button->toolTip(), u"Maj, Ctrl ou Alt + glisser pour déplacer"_s);
    EXPECT_TRUE(overlay->dragOutline().isNull());

    mouse(button, QEvent::MouseButtonPress, {10, 5}, Qt::LeftButton, Qt::LeftButton, Qt::AltModifier);
    EXPECT_EQ(overlay->dragOutline(), button->geometry()) << "shown from the press on";
    for (const QPoint at : {QPoint(100, 100), QPoint(300, 200)}) {
        mouse(button, QEvent::MouseMove, button->mapFrom(&m_worksheet, at), Qt::NoButton, Qt::LeftButton,
              Qt::AltModifier);
        EXPECT_EQ(overlay->dragOutline(), QRect(at - QPoint(10, 5), QSize(60, 20)));
        EXPECT_EQ(button->pos(), start) << "the item itself waits for the drop";
    }
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_NE(shown(QPoint(290, 200)), QColor(Qt::green)) << "the outline is drawn over the surface";

    mouse(button, QEvent::MouseButtonRelease, button->mapFrom(&m_worksheet, QPoint(300, 200)), Qt::LeftButton,
          Qt::NoButton, Qt::AltModifier);
    EXPECT_TRUE(overlay->dragOutline().isNull());
    EXPECT_EQ(button->pos(), QPoint(290, 195));

    // A text too; let go outside, nothing moves and the outline goes.
    click(u"Créer"_s);
    TextItem *text = m_worksheet.textItem(1);
    QWidget *viewport = text->viewport();
    EXPECT_EQ(text->toolTip(), u"Maj, Ctrl ou Alt + glisser pour déplacer - Clique droit pour redimensionner"_s);
    mouse(viewport, QEvent::MouseButtonPress, viewport->mapFrom(text, QPoint(20, 8)), Qt::LeftButton, Qt::LeftButton,
          Qt::ShiftModifier);
    mouse(viewport, QEvent::MouseMove, viewport->mapFrom(&m_worksheet, QPoint(400, 300)), Qt::NoButton, Qt::LeftButton,
          Qt::ShiftModifier);
    EXPECT_EQ(overlay->dragOutline(), QRect(QPoint(380, 292), text->size()));
    mouse(viewport, QEvent::MouseButtonRelease, viewport->mapFrom(&m_worksheet, QPoint(-50, 300)), Qt::LeftButton,
          Qt::NoButton, Qt::ShiftModifier);
    EXPECT_TRUE(overlay->dragOutline().isNull());
    EXPECT_EQ(text->pos(), QPoint(13, 13));
}

TEST_F(WorksheetLookTest, CornerMarkersFollowEveryMoveOfTheSelectedItem)
{
    addButton(ButtonKind::Quit, m_normal, m_normal, m_normal);
    ASSERT_TRUE(m_worksheet.cornerMarker(3)->isVisible());
    // As "Modifier la position (px)" does: an edit of the document.
    MenuButton moved = m_project.button(1);
    moved.left = 100 * 15;
    moved.top = 50 * 15;
    m_document.editButton(1, moved);
    EXPECT_EQ(m_worksheet.cornerMarker(0)->pos(), QPoint(100 - 7, 50 - 7));
    EXPECT_EQ(m_worksheet.cornerMarker(3)->pos(), QPoint(160, 70));
    m_document.undoStack().undo();
    EXPECT_EQ(m_worksheet.cornerMarker(0)->pos(), m_worksheet.buttonItem(1)->pos() - QPoint(7, 7));

    click(u"Créer"_s);
    MenuText text = m_project.text(1);
    text.left = 30 * 15;
    m_document.editText(1, text);
    EXPECT_EQ(m_worksheet.cornerMarker(0)->pos().x(), 30 - 7);
}

TEST_F(WorksheetLookTest, TransparentButtonsLetTheSurfaceThroughTheirKeyColour)
{
    addButton(ButtonKind::Quit, keyedImage(), QString(), QString());
    ButtonItem *button = m_worksheet.buttonItem(1);
    const QPoint corner = button->pos();
    EXPECT_EQ(shown(corner + QPoint(10, 5)), QColor(255, 0, 255)) << "an opaque button shows its key colour";

    MenuButton b = m_project.button(1);
    b.transparent = true;
    b.transparentColour = kMagenta;
    m_document.editButton(1, b);
    EXPECT_EQ(shown(corner + QPoint(10, 5)), QColor(Qt::green)) << "the background shows through";
    EXPECT_EQ(shown(corner + QPoint(1, 1)), QColor(Qt::blue));
    EXPECT_EQ(button->size(), QSize(20, 10));

    // Hover and click images go through the same key.
    mouse(button, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton, Qt::LeftButton);
    mouse(button, QEvent::MouseButtonRelease, {1, 1}, Qt::LeftButton, Qt::NoButton);
    m_worksheet.resetHoverImages();
    EXPECT_EQ(shown(corner + QPoint(10, 5)), QColor(Qt::green));

    m_document.undoStack().undo();
    EXPECT_EQ(shown(corner + QPoint(10, 5)), QColor(255, 0, 255));

    // The picture the shape editor draws over: the items alone, where they are.
    const QImage items = m_worksheet.itemsPicture().toImage();
    EXPECT_EQ(items.size(), m_worksheet.size());
    EXPECT_EQ(items.pixelColor(corner + QPoint(1, 1)), QColor(Qt::blue));
    EXPECT_EQ(items.pixelColor(corner + QPoint(100, 100)).alpha(), 0);
}

TEST_F(WorksheetLookTest, TheWindowsShapeIsOutlinedAndItsOutsideDimmed)
{
    EXPECT_EQ(shown({5, 5}), QColor(Qt::green));
    // A triangle over the top-left half, in twips, closed as the editor stores it.
    m_document.setShape({{0, 0}, {6000, 0}, {0, 6000}, {0, 0}});
    ASSERT_EQ(m_worksheet.overlay()->shape().size(), 4);
    EXPECT_EQ(shown({60, 60}), QColor(Qt::green)) << "inside, as the player shows it";
    const QColor outside = shown({500, 400});
    EXPECT_LT(outside.green(), 200) << "outside, dimmed";
    EXPECT_GT(outside.green(), 80) << "but still seen";
    EXPECT_NE(shown({200, 200}), QColor(Qt::green)) << "the outline on the edge";

    m_document.undoStack().undo();
    EXPECT_TRUE(m_worksheet.overlay()->shape().isEmpty());
    EXPECT_EQ(shown({500, 400}), QColor(Qt::green));
}

TEST_F(WorksheetLookTest, TheInsideIsTheMenuAndTheMousePositionWindowKeepsItsWidth)
{
    EXPECT_EQ(m_worksheet.size(), QSize(640, 480));
    m_project.setSize(9000, 6000);
    EXPECT_EQ(m_worksheet.size(), QSize(600, 400));

    MousePositionWindow window;
    window.show();
    const int width = window.width();
    window.showPosition(1234567.5, -98765.25, m_worksheet.twipsPerPixel());
    QTest::qWait(10);
    EXPECT_EQ(window.width(), width);
    window.showPosition(0, 0, m_worksheet.twipsPerPixel());
    QTest::qWait(10);
    EXPECT_EQ(window.width(), width);
}
