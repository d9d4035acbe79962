#include "designer/panel/PanelRules.h"
#include "designer/panel/PositionDialog.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace panelrules;

TEST(PanelRules, IntervalKeepsTheWholePartOfTheAbsoluteValueFrom1To60000)
{
    EXPECT_EQ(checkedInterval(u"2.7"_s), u"2"_s);
    EXPECT_EQ(checkedInterval(u"-50"_s), u"50"_s);
    EXPECT_EQ(checkedInterval(u" 60000 "_s), u"60000"_s);
    EXPECT_EQ(checkedInterval(u"1"_s), u"1"_s);
    EXPECT_EQ(checkedInterval(u"0.4"_s), std::nullopt);
    EXPECT_EQ(checkedInterval(u"70000"_s), std::nullopt);
    EXPECT_EQ(checkedInterval(u"60000.5"_s), u"60000"_s);
    EXPECT_EQ(checkedInterval(u"12abc"_s), std::nullopt);
    EXPECT_EQ(checkedInterval(QString()), std::nullopt);
}

TEST(PanelRules, SizeNeedsTwoNumbers)
{
    EXPECT_EQ(parseSize(u"9600"_s, u"7200.5"_s), QSizeF(9600, 7200.5));
    EXPECT_EQ(parseSize(u"9600"_s, u"grand"_s), std::nullopt);
    EXPECT_EQ(parseSize(QString(), u"7200"_s), std::nullopt);
}

TEST(PanelRules, SizesAWindowCannotHaveAreRefused)
{
    EXPECT_EQ(parseSize(u"1e30"_s, u"7200"_s), std::nullopt);
    EXPECT_EQ(parseSize(u"9600"_s, u"1e999"_s), std::nullopt);
    EXPECT_EQ(parseSize(u"-9600"_s, u"7200"_s), std::nullopt);
    EXPECT_EQ(parseSize(u"9600"_s, u"0"_s), std::nullopt);
    EXPECT_EQ(parseSize(u"491505"_s, u"1"_s), QSizeF(491505, 1)) << "32767 pixels at 15 twips a pixel";
    EXPECT_EQ(parseSize(u"491506"_s, u"1"_s), std::nullopt);
}

TEST(PanelRules, TextFlagsAreTheScrollBarDigitThenTheLockDigit)
{
    EXPECT_EQ(textFlags(false, false), u"00"_s);
    EXPECT_EQ(textFlags(true, false), u"10"_s);
    EXPECT_EQ(textFlags(false, true), u"01"_s);
    EXPECT_EQ(textFlags(true, true), u"11"_s);
}

TEST(PanelRules, ThreeFitPassesBringTheClientAreaToTheImageSize)
{
    // A window with a 16-pixel border and a 39-pixel title bar, sizes in pixels.
    const QSizeF frame(16, 39);
    const QSizeF image(320, 240);
    QSizeF outer(800, 600);
    for (int pass = 0; pass < kFitPasses; ++pass)
        outer = fitPass(outer, image, outer - frame);
    const QSizeF client = outer - frame;
    EXPECT_NEAR(client.width(), 320, 1.0);
    EXPECT_NEAR(client.height(), 240, 1.0);
    EXPECT_EQ(fitPass(QSizeF(800, 600), image, QSizeF(0, 0)), QSizeF(800, 600)) << "no client area, no change";
}

TEST(PanelRules, ZoomOutThenInReturnsTheSize)
{
    const QSizeF out = zoomed(QSizeF(9600, 7200), false);
    EXPECT_DOUBLE_EQ(out.width(), 9120);
    EXPECT_DOUBLE_EQ(out.height(), 6840);
    const QSizeF back = zoomed(out, true);
    EXPECT_NEAR(back.width(), 9600, 1e-6);
    EXPECT_NEAR(back.height(), 7200, 1e-6);
}

TEST(PanelRules, MultimediaPlacement)
{
    const QString file = u"C:\\videos\\film.avi"_s;
    EXPECT_EQ(placedName(Placement::Root, file, {}), u"film.avi"_s);
    EXPECT_EQ(placedName(Placement::Folders, file, u"monrep1\\monrep2"_s), u"monrep1\\monrep2\\film.avi"_s);
    EXPECT_EQ(placedName(Placement::Folders, file, u"monrep1\\"_s), u"monrep1\\film.avi"_s);
    EXPECT_EQ(placedName(Placement::AsIs, file, {}), file);
    EXPECT_EQ(placedName(Placement::Root, u"/home/a/clip.mpg"_s, {}), u"clip.mpg"_s);
}

TEST(PanelRules, ScrollingMovesThePagesBy500TwipsAStep)
{
    EXPECT_EQ(panelscroll::maximum(12400), 24);
    EXPECT_EQ(panelscroll::maximum(499), 0);
    EXPECT_DOUBLE_EQ(panelscroll::frameTop(600, 0), 500);
    EXPECT_DOUBLE_EQ(panelscroll::frameTop(600, 3), -1000);
}

TEST(PositionDialog, AsksXThenYInTwipsWithTheCurrentPosition)
{
    ScriptedPrompter prompter;
    prompter.expectInput({u"Entrez la nouvelle position X du bouton :"_s, {}, u"200"_s}, u"315"_s);
    prompter.expectInput({u"Entrez la nouvelle position Y du bouton :"_s, {}, u"450.5"_s}, u"-30"_s);
    EXPECT_EQ(askPosition(prompter, u"bouton"_s, PositionUnit::Twips, {200, 450.5}, {}), QPointF(315, -30));
}

TEST(PositionDialog, PixelsAreProposedAndStoredWithEachAxisFactor)
{
    ScriptedPrompter prompter;
    prompter.expectInput({u"Entrez la nouvelle position X du texte (en pixel) :"_s, {}, u"20"_s}, u"10"_s);
    prompter.expectInput({u"Entrez la nouvelle position Y du texte (en pixel) :"_s, {}, u"15"_s}, u"2.5"_s);
    EXPECT_EQ(askPosition(prompter, u"texte"_s, PositionUnit::Pixels, {300, 180}, {15, 12}), QPointF(150, 30));
}

TEST(PositionDialog, PositionsAWindowCannotHaveAreRefused)
{
    const struct
    {
        PositionUnit unit;
        QString answer;
    } cases[] = {{PositionUnit::Twips, u"1e30"_s},
                 {PositionUnit::Twips, u"1e999"_s},
                 {PositionUnit::Twips, u"-1e999"_s},
                 {PositionUnit::Twips, u"491506"_s},
                 {PositionUnit::Pixels, u"40000"_s}};
    for (const auto &c : cases) {
        ScriptedPrompter prompter;
        const bool pixels = c.unit == PositionUnit::Pixels;
        prompter.expectInput({pixels ? u"Entrez la nouvelle position X du bouton (en pixel) :"_s
                                     : u"Entrez la nouvelle position X du bouton :"_s,
                              {},
                              pixels ? u"13.333333"_s : u"200"_s},
                             c.answer);
        prompter.expectMessage(u"Valeur incorrect !"_s, u"Erreur !"_s, MessageIcon::Critical, MessageButtons::Ok,
                               Answer::Ok);
        EXPECT_EQ(askPosition(prompter, u"bouton"_s, c.unit, {200, 200}, {}), std::nullopt) << c.answer.toStdString();
    }
    ScriptedPrompter prompter;
    prompter.expectInput({u"Entrez la nouvelle position X du bouton :"_s, {}, u"200"_s}, u"-491505"_s);
    prompter.expectInput({u"Entrez la nouvelle position Y du bouton :"_s, {}, u"200"_s}, u"491505"_s);
    EXPECT_EQ(askPosition(prompter, u"bouton"_s, PositionUnit::Twips, {200, 200}, {}), QPointF(-491505, 491505));
}

TEST(PositionDialog, EmptyAnswerEndsSilentlyAndTextIsRefused)
{
    ScriptedPrompter prompter;
    prompter.expectInput({u"Entrez la nouvelle position X du bouton :"_s, {}, u"200"_s}, QString());
    EXPECT_EQ(askPosition(prompter, u"bouton"_s, PositionUnit::Twips, {200, 200}, {}), std::nullopt);

    prompter.expectInput({u"Entrez la nouvelle position X du bouton :"_s, {}, u"200"_s}, u"10"_s);
    prompter.expectInput({u"Entrez la nouvelle position Y du bouton :"_s, {}, u"200"_s}, u"haut"_s);
    prompter.expectMessage(u"Valeur incorrect !"_s, u"Erreur !"_s, MessageIcon::Critical, MessageButtons::Ok,
                           Answer::Ok);
    EXPECT_EQ(askPosition(prompter, u"bouton"_s, PositionUnit::Twips, {200, 200}, {}), std::nullopt);

    prompter.expectInput({u"Entrez la nouvelle position X du bouton (en pixel) :"_s, {}, u"13.333333"_s}, u" "_s);
    prompter.expectMessage(u"Valeur incorrect !"_s, u"Erreur !"_s, MessageIcon::Critical, MessageButtons::Ok,
                           Answer::Ok);
    EXPECT_EQ(askPosition(prompter, u"bouton"_s, PositionUnit::Pixels, {200, 200}, {}), std::nullopt);
}
