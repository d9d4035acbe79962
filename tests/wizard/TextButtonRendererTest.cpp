#include "WizardFixtures.h"

#include "common/ColourValue.h"
#include "wizard/TextButtonRenderer.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using textbutton::State;

namespace {

// The rows and columns that hold a pixel of the given colour.
QRect extent(const QImage &image, const QColor &colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

int pixelsOfColour(const QImage &image, const QColor &colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

} // namespace

TEST(TextButtonRenderer, TheThreeStatesShareOneSizeShiftTheClickAndInvertTheUnderline)
{
    WizardButton b = wizardfixtures::textButton(0, u"Jouer la vidéo"_s);
    b.transparent = true; // crisp pixels in exactly the text colour
    b.font.size = 12;
    const QImage normal = textbutton::render(b, State::Normal);
    const QImage hover = textbutton::render(b, State::Hover);
    const QImage click = textbutton::render(b, State::Click);
    ASSERT_FALSE(normal.isNull());
    EXPECT_EQ(hover.size(), normal.size());
    EXPECT_EQ(click.size(), normal.size());
    // 1.12 H high and W + 0.12 H wide: the margin is a tenth of the height or so.
    EXPECT_GT(normal.width(), normal.height());
    EXPECT_EQ(normal.pixelColor(normal.width() - 1, normal.height() - 1), colourvalue::toColor(b.backColour));

    const QColor ink = colourvalue::toColor(b.textColour);
    const QRect drawn = extent(normal, ink);
    const QRect shifted = extent(click, ink);
    ASSERT_FALSE(drawn.isEmpty());
    const int offset = shifted.left() - drawn.left();
    EXPECT_GE(offset, 1);
    EXPECT_EQ(shifted.top() - drawn.top(), offset);
    EXPECT_LE(offset, 2);

    // The hover image gains the underline the normal one lacks, and loses it when stored.
    EXPECT_GT(pixelsOfColour(hover, ink), pixelsOfColour(normal, ink));
    b.font.underline = true;
    EXPECT_LT(pixelsOfColour(textbutton::render(b, State::Hover), ink),
              pixelsOfColour(textbutton::render(b, State::Normal), ink));
    EXPECT_EQ(textbutton::render(b, State::Normal), hover);
}
