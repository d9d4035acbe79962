#include "PanelFixture.h"

#include <QCheckBox>
#include <QUndoStack>

using namespace Qt::StringLiterals;

// Each kind of panel edit is one step of the document: undo puts the old value back in
// the model and in the field, redo the new one.
TEST_F(PanelFixture, EveryKindOfFieldEditUndoesAndRedoes)
{
    QUndoStack &stack = m_document.undoStack();
    auto *contours = child<QCheckBox>(u"Contours"_s);
    click(u"Contours"_s);                                  // a flag
    type(u"ImageFond"_s, u"fond.jpg"_s);                   // a file field
    m_prompter.expectColour({16777215}, 255);
    click(u"CouleurFond"_s);                               // a colour
    type(u"Largeur"_s, u"6000"_s);
    click(u"AppliquerTaille"_s);                           // a size
    click(u"Minuteur"_s);
    type(u"Intervalle"_s, u"250"_s);                       // the interval, typed in one burst
    child<QLineEdit>(u"Musique"_s)->setFocus();            // leaving the field ends the burst
    EXPECT_EQ(m_project.settings().timerInterval, u"250"_s);
    EXPECT_EQ(stack.count(), 6);

    stack.undo();
    EXPECT_EQ(m_project.settings().timerInterval, u"1000"_s) << "the whole burst is one step";
    EXPECT_EQ(child<QLineEdit>(u"Intervalle"_s)->text(), u"1000"_s);
    stack.undo();
    EXPECT_EQ(m_project.settings().timerEnabled, 0);
    stack.undo();
    EXPECT_EQ(m_project.settings().width, 12000);
    EXPECT_EQ(child<QLineEdit>(u"Largeur"_s)->text(), u"12000"_s);
    stack.undo();
    EXPECT_EQ(m_project.settings().backgroundColour, 16777215);
    stack.undo();
    EXPECT_EQ(child<QLineEdit>(u"ImageFond"_s)->text(), QString());
    stack.undo();
    EXPECT_EQ(m_project.settings().contours, 1);
    EXPECT_TRUE(contours->isChecked());
    EXPECT_FALSE(m_document.isModified());

    while (stack.canRedo())
        stack.redo();
    EXPECT_EQ(m_project.settings().contours, 0);
    EXPECT_FALSE(contours->isChecked());
    EXPECT_EQ(m_project.settings().backgroundImage, u"fond.jpg"_s);
    EXPECT_EQ(m_project.settings().backgroundColour, 255);
    EXPECT_EQ(m_project.settings().width, 6000);
    EXPECT_EQ(child<QLineEdit>(u"Intervalle"_s)->text(), u"250"_s);
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(PanelFixture, ItemPageEditsAndADeletionUndoAndRedo)
{
    m_document.addText();
    m_document.addButton(ButtonKind::Multimedia);
    QUndoStack &stack = m_document.undoStack();
    const int before = stack.count();

    type(u"ImageNormale"_s, u"n.bmp"_s);                   // a button field
    choose(u"Texte 1"_s);
    click(u"BarreDefilement"_s);                           // a text flag
    m_prompter.expectMessage(u"Supprimer le texte 1 ?"_s, u"Suppression"_s, MessageIcon::Question,
                             MessageButtons::YesNo, Answer::Yes);
    click(u"SupprimerTexte"_s);                            // a deletion
    EXPECT_EQ(stack.count(), before + 3);
    EXPECT_EQ(m_document.selection().chosenCaption(), u"Feuille de travail"_s);

    stack.undo();
    EXPECT_EQ(m_project.text(1).text, u"Tapez ici le contenu du Texte 1"_s);
    EXPECT_EQ(m_document.selection().chosenCaption(), u"Texte 1"_s);
    EXPECT_TRUE(child<QCheckBox>(u"BarreDefilement"_s)->isChecked());
    stack.undo();
    EXPECT_EQ(m_project.text(1).flags, u"00"_s);
    EXPECT_FALSE(child<QCheckBox>(u"BarreDefilement"_s)->isChecked());
    stack.undo();
    EXPECT_TRUE(m_project.button(1).normalImage.isEmpty());

    stack.redo();
    stack.redo();
    stack.redo();
    EXPECT_EQ(m_project.button(1).normalImage, u"n.bmp"_s);
    EXPECT_EQ(m_project.text(1).flags, u"10"_s);
    EXPECT_TRUE(m_project.text(1).isDeleted());
    EXPECT_TRUE(m_prompter.allAnswered());
}
