#include "player/qt/QtPictureCache.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(QtPictureCache, ASlideshowStaysWithinTheBudgetAndEveryPictureCanBeDrawnAgain)
{
    QTemporaryDir dir;
    const qsizetype oneSlide = 400 * 300 * 4;
    QtPictureCache cache(2 * oneSlide + oneSlide / 2);
    for (int i = 0; i < 8; ++i) {
        QImage slide(400, 300, QImage::Format_RGB32);
        slide.fill(qRgb(i * 30, 0, 0));
        // Saved as PNG under a JPEG name, as authors rename files.
        ASSERT_TRUE(slide.save(dir.filePath(u"photo%1.jpg"_s.arg(i)), "PNG"));
    }
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(cache.picture(dir.filePath(u"photo%1.jpg"_s.arg(i))).pixel(10, 10), qRgb(i * 30, 0, 0));
    EXPECT_LE(cache.bytesHeld(), 2 * oneSlide + oneSlide / 2);

    EXPECT_EQ(cache.picture(dir.filePath(u"photo0.jpg"_s)).pixel(10, 10), qRgb(0, 0, 0)) << "read again";
    EXPECT_TRUE(cache.picture(dir.filePath(u"absente.bmp"_s)).isNull());

    QtPictureCache small(1000);
    EXPECT_EQ(small.picture(dir.filePath(u"photo7.jpg"_s)).size(), QSize(400, 300)) << "too large to keep, still drawn";
    EXPECT_EQ(small.bytesHeld(), 0);
}
