#include "designer/worksheet/SurfaceRules.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(SurfaceRules, CaptionInTwipsAndPixelsOrFullScreen)
{
    const TwipsPerPixel tpp;
    EXPECT_EQ(surface::caption(9600, 7200, tpp, false), u"Feuille de travail - 9600x7200 - 640x480px"_s);
    EXPECT_EQ(surface::caption(9600, 7200, tpp, true), u"Feuille de travail - (sera affiché en plein écran)"_s);
    // Pixels are shown unrounded, with the screen's own factors.
    EXPECT_EQ(surface::caption(1207.5, 900, {15, 12}, false), u"Feuille de travail - 1207.5x900 - 80.5x75px"_s);
}

TEST(SurfaceRules, MousePositionTexts)
{
    EXPECT_EQ(surface::positionTexts(1200, 45, {}), (QStringList{u"X=1200"_s, u"Y=45"_s, u"X=80px"_s, u"Y=3px"_s}));
    EXPECT_EQ(surface::positionTexts(10, 0, {}), (QStringList{u"X=10"_s, u"Y=0"_s, u"X=0.6666667px"_s, u"Y=0px"_s}));
}

TEST(SurfaceRules, DropPutsTheHeldPointUnderThePointer)
{
    EXPECT_EQ(surface::dropPosition({3000, 1500}, {150, 75}), QPointF(2850, 1425));
    // Partly outside the window is accepted.
    EXPECT_EQ(surface::dropPosition({30, 15}, {150, 75}), QPointF(-120, -60));
}

TEST(SurfaceRules, ResizeIgnoresSizesThatAreNotPositive)
{
    const QSizeF current(2895, 1455);
    const QPointF topLeft(200, 300);
    EXPECT_EQ(surface::resizedText(current, topLeft, {1700, 1300}), QSizeF(1500, 1000));
    // Left of the left edge: the width stays, the height still follows; likewise above.
    EXPECT_EQ(surface::resizedText(current, topLeft, {100, 1300}), QSizeF(2895, 1000));
    EXPECT_EQ(surface::resizedText(current, topLeft, {1700, 250}), QSizeF(1500, 1455));
    EXPECT_EQ(surface::resizedText(current, topLeft, {200, 300}), current);
}

TEST(SurfaceRules, ReservedCharactersAreRemovedAndEachKindReportedOnce)
{
    const auto clean = surface::removeReserved(u"ab"_s);
    EXPECT_EQ(clean.text, u"ab"_s);
    EXPECT_TRUE(clean.removed.isEmpty());

    const auto both = surface::removeReserved(u"a\u00ACb\u00A4c\u00A4\u00AC"_s);
    EXPECT_EQ(both.text, u"abc"_s);
    EXPECT_EQ(both.removed, (QList<QChar>{QChar(0xA4), QChar(0xAC)}));

    EXPECT_EQ(surface::removeReserved(u"x\u00ACy"_s).removed, QList<QChar>{QChar(0xAC)});
}

TEST(SurfaceRules, StateLetters)
{
    EXPECT_EQ(surface::stateLetter(surface::ImageState::Normal), u"n"_s);
    EXPECT_EQ(surface::stateLetter(surface::ImageState::Hover), u"s"_s);
    EXPECT_EQ(surface::stateLetter(surface::ImageState::Click), u"c"_s);
}
