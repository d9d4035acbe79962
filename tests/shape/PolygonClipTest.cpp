#include "shape/PolygonClip.h"

#include <QRegion>

#include <gtest/gtest.h>

namespace {

qint64 area(const QRegion &region)
{
    qint64 total = 0;
    for (const QRect &r : region)
        total += qint64(r.width()) * r.height();
    return total;
}

TEST(PolygonClipTest, ClippingKeepsWhatAWindingRegionCoversInside)
{
    const QRect visible(0, 0, 400, 300);
    const QRect clip = visible.adjusted(-2, -2, 2, 2);
    const QList<QPolygon> crossing{
        // A five-pointed star drawn in one stroke: its centre has winding number 2.
        QPolygon({QPoint(200, -250), QPoint(420, 520), QPoint(-180, 40), QPoint(580, 40), QPoint(-20, 520)}),
        // Far outside on every side, crossing the visible area.
        QPolygon({QPoint(-900, 150), QPoint(1300, -700), QPoint(1300, 900), QPoint(-900, 160)}),
    };
    for (const QPolygon &polygon : crossing) {
        const QPolygon clipped = clipToRect(polygon, clip);
        for (const QPoint &p : clipped) {
            EXPECT_TRUE(p.x() >= -2 && p.x() <= 402) << p.x();
            EXPECT_TRUE(p.y() >= -2 && p.y() <= 302) << p.y();
        }
        // Crossings fall on whole pixels: an edge may move by a pixel on some lines.
        const QRegion expected = QRegion(polygon, Qt::WindingFill).intersected(visible);
        const QRegion actual = QRegion(clipped, Qt::WindingFill).intersected(visible);
        EXPECT_LE(area(expected.xored(actual)), 2 * 300 * 2) << polygon.size();
        EXPECT_GT(area(expected), 20000);
    }

    const QPolygon inside({QPoint(10, 10), QPoint(390, 20), QPoint(200, 290)});
    EXPECT_EQ(clipToRect(inside, clip), inside);
    EXPECT_TRUE(clipToRect(QPolygon({QPoint(500, 500), QPoint(600, 500), QPoint(600, 600)}), visible).isEmpty());
}

} // namespace
