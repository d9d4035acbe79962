#include "PanelFixture.h"

#include <QCheckBox>

using namespace Qt::StringLiterals;

class TextPageTest : public PanelFixture
{
protected:
    void SetUp() override
    {
        m_document.addText();
        m_document.addText();
        choose(u"Texte 2"_s);
    }
    const MenuText &text() const { return m_project.text(2); }
};

TEST_F(TextPageTest, ColoursStartFromTheTextAndCancelKeepsThem)
{
    m_prompter.expectColour({16777215}, 255);
    click(u"CouleurFondTexte"_s);
    EXPECT_EQ(text().backColour, 255);
    m_prompter.expectColour({0}, 16711680);
    click(u"CouleurTexte"_s);
    EXPECT_EQ(text().textColour, 16711680);
    m_prompter.expectColour({16711680}, std::nullopt);
    click(u"CouleurTexte"_s);
    EXPECT_EQ(text().textColour, 16711680);
    EXPECT_EQ(m_project.text(1).backColour, 16777215);
}

TEST_F(TextPageTest, FontDialogWritesTheSixProperties)
{
    m_prompter.expectFont({u"Arial"_s, 10, false, false, false, false},
                          FontChoice{u"Courier New"_s, 14, true, true, true, true});
    click(u"ModifPolice"_s);
    EXPECT_EQ(text().fontName, u"Courier New"_s);
    EXPECT_EQ(text().fontSize, 14);
    EXPECT_TRUE(text().bold && text().italic && text().strikethrough && text().underline);
    m_prompter.expectFont({u"Courier New"_s, 14, true, true, true, true}, std::nullopt);
    click(u"ModifPolice"_s);
    EXPECT_EQ(text().fontName, u"Courier New"_s);
}

TEST_F(TextPageTest, SizeFieldsFollowTheTextAndApplyNumbersOnly)
{
    EXPECT_EQ(child<QLineEdit>(u"LargeurTexte"_s)->text(), u"2895"_s);
    MenuText t = text();
    t.width = 3000;
    m_project.setText(2, t);
    EXPECT_EQ(child<QLineEdit>(u"LargeurTexte"_s)->text(), u"3000"_s) << "follows a resize on the worksheet";

    type(u"LargeurTexte"_s, u"1500"_s);
    type(u"HauteurTexte"_s, u"600"_s);
    click(u"AppliquerTailleTexte"_s);
    EXPECT_EQ(text().width, 1500.0f);
    EXPECT_EQ(text().height, 600.0f);
    type(u"HauteurTexte"_s, u"?"_s);
    expectError(u"Vous devez entrer des nombres valides !"_s);
    click(u"AppliquerTailleTexte"_s);
    EXPECT_EQ(text().height, 600.0f);
}

TEST_F(TextPageTest, PositionInTwipsAndInPixels)
{
    m_prompter.expectInput({u"Entrez la nouvelle position X du texte :"_s, {}, u"200"_s}, u"45"_s);
    m_prompter.expectInput({u"Entrez la nouvelle position Y du texte :"_s, {}, u"200"_s}, u"60"_s);
    click(u"ModifPositionTexte"_s);
    EXPECT_EQ(text().left, 45.0f);
    EXPECT_EQ(text().top, 60.0f);
    m_prompter.expectInput({u"Entrez la nouvelle position X du texte (en pixel) :"_s, {}, u"3"_s}, u"7"_s);
    m_prompter.expectInput({u"Entrez la nouvelle position Y du texte (en pixel) :"_s, {}, u"4"_s}, u"8"_s);
    click(u"ModifPositionTextePx"_s);
    EXPECT_EQ(text().left, 105.0f);
    EXPECT_EQ(text().top, 120.0f);
}

TEST_F(TextPageTest, FlagsAreWrittenAsTwoDigits)
{
    click(u"BarreDefilement"_s);
    EXPECT_EQ(text().flags, u"10"_s);
    EXPECT_TRUE(text().hasScrollBar());
    click(u"Verrouiller"_s);
    EXPECT_EQ(text().flags, u"11"_s);
    click(u"BarreDefilement"_s);
    EXPECT_EQ(text().flags, u"01"_s);
    EXPECT_EQ(m_project.text(1).flags, u"00"_s);

    choose(u"Texte 1"_s);
    EXPECT_FALSE(child<QCheckBox>(u"Verrouiller"_s)->isChecked());
    EXPECT_EQ(m_project.text(1).flags, u"00"_s) << "filling the boxes writes nothing";
    choose(u"Texte 2"_s);
    EXPECT_TRUE(child<QCheckBox>(u"Verrouiller"_s)->isChecked());
    EXPECT_FALSE(child<QCheckBox>(u"BarreDefilement"_s)->isChecked());
}

TEST_F(TextPageTest, DeleteAsksThenMarksTheTextAndSelectsTheProject)
{
    m_prompter.expectMessage(u"Supprimer le texte 2 ?"_s, u"Suppression"_s, MessageIcon::Question,
                             MessageButtons::YesNo, Answer::No);
    click(u"SupprimerTexte"_s);
    EXPECT_FALSE(text().isDeleted());

    m_prompter.expectMessage(u"Supprimer le texte 2 ?"_s, u"Suppression"_s, MessageIcon::Question,
                             MessageButtons::YesNo, Answer::Yes);
    click(u"SupprimerTexte"_s);
    EXPECT_TRUE(text().isDeleted());
    EXPECT_FALSE(text().visible);
    EXPECT_EQ(m_document.selection().selectedText(), -1);
    EXPECT_EQ(m_document.selection().captions(), (QStringList{u"Feuille de travail"_s, u"Texte 1"_s}));
    auto *chooser = child<QComboBox>(u"Combo1"_s);
    EXPECT_EQ(chooser->currentIndex(), 0);
    EXPECT_EQ(chooser->count(), 2);
    EXPECT_TRUE(child(u"PageProjet"_s)->isVisibleTo(m_panel.get()));
    EXPECT_FALSE(child(u"PageTexte"_s)->isVisibleTo(m_panel.get()));
}
