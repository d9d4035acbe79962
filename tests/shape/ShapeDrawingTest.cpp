#include "shape/ShapeDrawing.h"

#include <gtest/gtest.h>

namespace {

const QPoint A(150, 300);
const QPoint B(3000, 450);
const QPoint C(1500, 2400);

QList<ShapePoint> shapeOf(std::initializer_list<QPoint> points)
{
    QList<ShapePoint> shape;
    for (const QPoint &p : points)
        shape.append(ShapePoint{p.x(), p.y()});
    return shape;
}

TEST(ShapeDrawingTest, ATriangleIsClosedByRepeatingItsFirstVertex)
{
    ShapeDrawing drawing;
    EXPECT_FALSE(drawing.previewEnabled());
    drawing.leftPress(A);
    EXPECT_TRUE(drawing.isDrawing());
    EXPECT_EQ(drawing.rubberBand(), QLine(A, A));
    drawing.pointerMoved(B);
    EXPECT_EQ(drawing.rubberBand(), QLine(A, B));
    drawing.leftPress(B);
    drawing.pointerMoved(C);
    drawing.leftPress(C);
    EXPECT_EQ(drawing.edges(), (QList<QLine>{QLine(A, B), QLine(B, C)}));
    drawing.rightPress();

    EXPECT_EQ(drawing.points(), shapeOf({A, B, C, A}));
    EXPECT_EQ(drawing.edges(), (QList<QLine>{QLine(A, B), QLine(B, C), QLine(A, C)}));
    EXPECT_TRUE(drawing.isClosed());
    EXPECT_FALSE(drawing.isDrawing());
    EXPECT_TRUE(drawing.previewEnabled());

    drawing.leftPress(B);
    drawing.rightPress();
    drawing.pointerMoved(C);
    EXPECT_EQ(drawing.points(), shapeOf({A, B, C, A})) << "a closed polygon takes no more clicks";
}

TEST(ShapeDrawingTest, RightClicksBeforeAndAfterASingleVertex)
{
    ShapeDrawing drawing;
    drawing.rightPress();
    EXPECT_FALSE(drawing.isClosed());
    EXPECT_TRUE(drawing.points().isEmpty());

    drawing.leftPress(A);
    drawing.rightPress();
    EXPECT_EQ(drawing.points(), shapeOf({A, A}));
    EXPECT_TRUE(drawing.isClosed());
}

TEST(ShapeDrawingTest, TheExistingShapeShowsUntilAPreview)
{
    ShapeDrawing drawing(shapeOf({A, B, C, A}));
    EXPECT_EQ(drawing.existingLines(), (QList<QLine>{QLine(A, B), QLine(B, C), QLine(C, A)}));
    EXPECT_TRUE(drawing.points().isEmpty());

    drawing.replaceWith(shapeOf({B, C, A, B}));
    EXPECT_EQ(drawing.edges(), (QList<QLine>{QLine(B, C), QLine(C, A), QLine(A, B)}));
    EXPECT_EQ(drawing.existingLines().size(), 3);
    EXPECT_TRUE(drawing.isClosed());
    EXPECT_TRUE(drawing.previewEnabled());

    drawing.preview(TwipsPerPixel{});
    EXPECT_TRUE(drawing.edges().isEmpty());
    EXPECT_TRUE(drawing.existingLines().isEmpty());
    EXPECT_FALSE(drawing.previewEnabled());
}

TEST(ShapeDrawingTest, APreviewPutsEveryVertexOnAWholePixel)
{
    ShapeDrawing drawing;
    drawing.leftPress(QPoint(7, 8));
    drawing.leftPress(QPoint(1522, -23));
    drawing.leftPress(QPoint(-1000000000, 2000000000));
    drawing.rightPress();
    const QPolygon pixels = drawing.preview(TwipsPerPixel{15, 12});
    EXPECT_EQ(pixels, (QPolygon{QList<QPoint>{{0, 1}, {101, -2}, {-100000, 100000}, {0, 1}}}));
    EXPECT_EQ(drawing.points(), (QList<ShapePoint>{{0, 12}, {1515, -24}, {-1500000, 1200000}, {0, 12}}));
    for (const ShapePoint &p : drawing.points()) {
        EXPECT_EQ(p.x % 15, 0);
        EXPECT_EQ(p.y % 12, 0);
    }
}

} // namespace
