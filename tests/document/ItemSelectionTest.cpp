#include "document/DesignerDocument.h"
#include "project/ProjectStorage.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class ItemSelectionTest : public ::testing::Test
{
protected:
    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    DesignerDocument m_document{m_prompter, m_dir.path()};
    MenuProject &m_project = m_document.project();
    ItemSelection &m_selection = m_document.selection();
};

TEST_F(ItemSelectionTest, ANewItemIsChosenAndADeletedOneLeavesTheChooserForGood)
{
    EXPECT_EQ(m_document.addButton(ButtonKind::Multimedia), 1);
    EXPECT_EQ(m_selection.chosenCaption(), u"Bouton 1 (vidéo)"_s);
    EXPECT_EQ(m_selection.selectedButton(), 1);
    for (int i = 2; i <= 12; ++i)
        m_document.addButton(ButtonKind::Quit);
    m_document.addText();
    EXPECT_EQ(m_selection.chosenCaption(), u"Texte 1"_s);
    EXPECT_EQ(m_selection.selectedButton(), 12) << "the button last chosen stays selected";

    QSignalSpy chosen(&m_selection, &ItemSelection::selectionChanged);
    m_selection.choose(ItemRef::button(7));
    m_selection.choose(ItemRef::button(99));
    EXPECT_EQ(chosen.count(), 1) << "an item without an entry is not chosen";
    EXPECT_EQ(m_selection.selectedButton(), 7);
    EXPECT_EQ(m_selection.selectedText(), 1);

    m_document.deleteButton(7);
    EXPECT_EQ(m_selection.selectedButton(), -1);
    EXPECT_EQ(m_selection.selectedText(), 1) << "deleting a button leaves the text selected";
    EXPECT_EQ(m_selection.chosenCaption(), u"Feuille de travail"_s);
    EXPECT_FALSE(m_selection.captions().contains(u"Bouton 7 (quitter)"_s));
    m_document.deleteText(1);
    EXPECT_EQ(m_selection.selectedText(), -1);
    EXPECT_EQ(m_selection.captions().size(), 12);

    m_document.undoStack().undo();
    m_document.undoStack().undo();
    EXPECT_EQ(m_selection.chosenCaption(), u"Bouton 7 (quitter)"_s) << "an item brought back comes back chosen";
    EXPECT_EQ(m_selection.captions().last(), u"Bouton 7 (quitter)"_s);
    EXPECT_EQ(m_selection.selectedText(), 1);
}

TEST_F(ItemSelectionTest, AResetShowsTheProjectAloneAndKeepsTheSelectedTextNumber)
{
    m_document.addText();
    m_document.addText();
    m_document.addButton(ButtonKind::Code);
    m_document.reset();
    EXPECT_EQ(m_selection.captions(), QStringList{u"Feuille de travail"_s});
    EXPECT_EQ(m_selection.chosen(), ItemRef::project());
    EXPECT_EQ(m_selection.selectedButton(), -1);
    EXPECT_EQ(m_selection.selectedText(), 2);
}

TEST_F(ItemSelectionTest, AProjectReadListsItsItemsInFileOrderAndShowsTheLastOne)
{
    m_document.storage().setPictureCheck([](const QString &) { return ZepError(); });
    const QString path = m_dir.filePath(u"menu.zep"_s);
    testfiles::writeBytes(path, testfiles::readBytes(testfiles::dataPath(u"project/full.zep"_s)));
    ASSERT_TRUE(m_document.open(path));
    EXPECT_EQ(m_selection.captions(), (QStringList{u"Feuille de travail"_s, u"Bouton 1 (vidéo)"_s, u"Bouton 2 (code)"_s,
                                                   u"Texte 1"_s, u"Texte 2"_s}));
    EXPECT_EQ(m_selection.chosenCaption(), u"Texte 2"_s);
    EXPECT_EQ(m_selection.selectedButton(), 2);
    EXPECT_EQ(m_selection.selectedText(), 2);
}
