#include "shape/OutlineTracer.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QRegion>

#include <gtest/gtest.h>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlue = qRgb(20, 40, 200);

QImage blank(int w, int h, QRgb colour = kWhite)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QRegion insidePixels(const QImage &image, QRgb key)
{
    QRegion region;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != key)
                region += QRect(x, y, 1, 1);
        }
    }
    return region;
}

qint64 area(const QRegion &region)
{
    qint64 total = 0;
    for (const QRect &r : region)
        total += qint64(r.width()) * r.height();
    return total;
}

TEST(OutlineTracerTest, ARectangleGivesItsFourPixelCornersClockwise)
{
    QImage image = blank(40, 30);
    QPainter(&image).fillRect(QRect(5, 7, 20, 10), kBlue);
    const QList<QPoint> outline = OutlineTracer::trace(image, OutlineTracer::cornerColour(image));
    EXPECT_EQ(outline, (QList<QPoint>{{5, 7}, {25, 7}, {25, 17}, {5, 17}, {5, 7}}));
    EXPECT_EQ(QRegion(QPolygon(outline), Qt::WindingFill), QRegion(5, 7, 20, 10));
}

TEST(OutlineTracerTest, ASurroundWithCompressionNoiseStillCountsAsOutside)
{
    QImage image = blank(60, 40, qRgb(255, 0, 255));
    QRandomGenerator random(3);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int d = int(random.bounded(OutlineTracer::kColourTolerance + 1));
            image.setPixel(x, y, qRgb(255 - d, d, 255 - d / 2));
        }
    }
    QPainter(&image).fillRect(QRect(8, 6, 30, 20), kBlue);
    EXPECT_EQ(OutlineTracer::trace(image, qRgb(250, 3, 254)).size(), 5);
    EXPECT_EQ(QRegion(QPolygon(OutlineTracer::trace(image, qRgb(255, 0, 255))), Qt::WindingFill),
              QRegion(8, 6, 30, 20));
}

TEST(OutlineTracerTest, TheLargestRegionIsTracedWithoutItsHoles)
{
    QImage image = blank(60, 60);
    {
        QPainter painter(&image);
        painter.fillRect(QRect(2, 2, 4, 4), kBlue);
        painter.fillRect(QRect(10, 10, 40, 40), kBlue);
        painter.fillRect(QRect(20, 20, 10, 10), kWhite);
    }
    const QList<QPoint> outline = OutlineTracer::trace(image, kWhite);
    EXPECT_EQ(QRegion(QPolygon(outline), Qt::WindingFill), QRegion(10, 10, 40, 40));
}

TEST(OutlineTracerTest, PixelsTouchingByACornerBelongTogether)
{
    QImage image = blank(10, 10);
    image.setPixel(2, 2, kBlue);
    image.setPixel(3, 3, kBlue);
    image.setPixel(4, 4, kBlue);
    image.setPixel(8, 1, kBlue);
    const QList<QPoint> outline = OutlineTracer::trace(image, kWhite);
    ASSERT_FALSE(outline.isEmpty());
    EXPECT_EQ(outline.first(), outline.last());
    const QRect bounds = QPolygon(outline).boundingRect();
    EXPECT_EQ(bounds.topLeft(), QPoint(2, 2));
    EXPECT_EQ(bounds.bottomRight(), QPoint(5, 5));
}

TEST(OutlineTracerTest, ARoundPictureIsFollowedWithinAPixelInAFewHundredVertices)
{
    QImage image = blank(800, 600, kBlue);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(200, 30, 30));
        painter.drawEllipse(QRect(50, 40, 700, 500));
        painter.setBrush(QColor(30, 200, 30));
        painter.drawRoundedRect(QRect(300, 20, 200, 560), 40, 40);
    }
    const QList<QPoint> outline = OutlineTracer::trace(image, OutlineTracer::cornerColour(image));
    EXPECT_LE(outline.size(), OutlineTracer::kMaxVertices + 1);
    EXPECT_GE(outline.size(), 20);
    const QRegion traced(QPolygon(outline), Qt::WindingFill);
    const QRegion truth = insidePixels(image, kBlue);
    const qint64 difference = area(traced.xored(truth));
    EXPECT_LT(double(difference) / double(area(truth)), 0.01);
}

TEST(OutlineTracerTest, NoiseStaysUnderTheVertexLimit)
{
    QImage image = blank(300, 200);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (random.bounded(2))
                image.setPixel(x, y, kBlue);
        }
    }
    const QList<QPoint> outline = OutlineTracer::trace(image, kWhite);
    EXPECT_LE(outline.size(), OutlineTracer::kMaxVertices + 1);
    EXPECT_GE(outline.size(), 4);
}

TEST(OutlineTracerTest, NothingToTraceGivesNoOutline)
{
    EXPECT_TRUE(OutlineTracer::trace(blank(20, 20), kWhite).isEmpty());
    EXPECT_TRUE(OutlineTracer::trace(QImage(), kWhite).isEmpty());

    QImage transparent(20, 20, QImage::Format_ARGB32);
    transparent.fill(Qt::transparent);
    EXPECT_TRUE(OutlineTracer::trace(transparent, kWhite).isEmpty());
}

} // namespace
