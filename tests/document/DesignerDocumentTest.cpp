#include "document/DesignerDocument.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

class DesignerDocumentTest : public ::testing::Test
{
protected:
    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    DesignerDocument m_document{m_prompter, m_dir.filePath(u"debut"_s)};
    MenuProject &m_project = m_document.project();
};

TEST_F(DesignerDocumentTest, ANeverSavedProjectLivesInTheStartFolderASavedOneBesideItsFile)
{
    EXPECT_EQ(m_document.folder(), m_dir.filePath(u"debut/"_s));
    EXPECT_EQ(m_document.resolve(u"fond.jpg"_s), m_dir.filePath(u"debut/fond.jpg"_s));
    EXPECT_EQ(m_document.resolve(u"sons\\clic.wav"_s), m_dir.filePath(u"debut/sons/clic.wav"_s));
    EXPECT_EQ(m_document.resolve(u"/media/fond.jpg"_s), u"/media/fond.jpg"_s);
    EXPECT_EQ(m_document.resolve(QString()), QString());

    const QString current = QDir::currentPath();
    QDir::setCurrent(QDir::tempPath());
    EXPECT_EQ(m_document.folder(), m_dir.filePath(u"debut/"_s)) << "the current directory plays no part";
    QDir::setCurrent(current);

    QDir(m_dir.path()).mkpath(u"projets"_s);
    ASSERT_FALSE(m_document.save(m_dir.filePath(u"projets/menu.zep"_s)).isError());
    EXPECT_EQ(m_document.folder(), m_dir.filePath(u"projets/"_s));
    EXPECT_EQ(m_document.resolve(u"fond.jpg"_s), m_dir.filePath(u"projets/fond.jpg"_s));
    EXPECT_EQ(ProjectLocation(u"/cd/menus/a.zep"_s, u"/ailleurs/"_s).folder(), u"/cd/menus/"_s);
    EXPECT_EQ(ProjectLocation(QString(), u"/ailleurs"_s).folder(), u"/ailleurs/"_s);
}

TEST_F(DesignerDocumentTest, EveryEditUndoesToItsOldValueAndRedoesToItsNewOne)
{
    m_document.setSetting(&ProjectSettings::backgroundColour, 255);
    m_document.setShape({ShapePoint{1, 2}, ShapePoint{30, 40}, ShapePoint{5, 60}});
    m_document.setAuthorInfo({u"Nom"_s, u"a@b.c"_s, u"site"_s, u"notes\r\nsuite"_s});
    const int slot = m_document.addButton(ButtonKind::Code, [](MenuButton &b) { b.normalImage = u"n.bmp"_s; });
    MenuButton moved = m_project.button(slot);
    moved.left = 900;
    m_document.editButton(slot, moved);
    EXPECT_EQ(m_document.undoStack().count(), 5) << "adding a button and choosing its images is one step";

    QUndoStack &stack = m_document.undoStack();
    stack.undo();
    EXPECT_EQ(m_project.button(slot).left, 200);
    stack.undo();
    EXPECT_TRUE(m_project.button(slot).isDeleted());
    EXPECT_EQ(m_document.selection().captions(), QStringList{u"Feuille de travail"_s});
    stack.undo();
    EXPECT_EQ(m_project.author(), AuthorInfo{});
    stack.undo();
    EXPECT_EQ(m_project.shapeVertexCount(), 0);
    stack.undo();
    EXPECT_EQ(m_project.settings().backgroundColour, 16777215);

    for (int i = 0; i < 5; ++i)
        stack.redo();
    EXPECT_EQ(m_project.settings().backgroundColour, 255);
    EXPECT_EQ(m_project.shape(), (QList<ShapePoint>{{}, {1, 2}, {30, 40}, {5, 60}}));
    EXPECT_EQ(m_project.author().notes, u"notes\r\nsuite"_s);
    EXPECT_EQ(m_project.button(slot).kind, ButtonKind::Code);
    EXPECT_EQ(m_project.button(slot).normalImage, u"n.bmp"_s);
    EXPECT_EQ(m_project.button(slot).left, 900);
    EXPECT_EQ(m_document.selection().chosenCaption(), u"Bouton 1 (code)"_s);
}

TEST_F(DesignerDocumentTest, ABurstIsOneStepUntilItEnds)
{
    ProjectSettings s = m_project.settings();
    for (const QString &code : {u"M"_s, u"Ms"_s, u"Msg"_s}) {
        s.globalCode = code;
        m_document.editSettings(s, u"script"_s);
    }
    m_document.endBurst();
    s.globalCode = u"Msg 2"_s;
    m_document.editSettings(s, u"script"_s);
    EXPECT_EQ(m_document.undoStack().count(), 2);
    m_document.undoStack().undo();
    EXPECT_EQ(m_project.settings().globalCode, u"Msg"_s);
    m_document.undoStack().undo();
    EXPECT_EQ(m_project.settings().globalCode, QString());

    // Typing something and taking it back again leaves no step at all.
    m_document.endBurst();
    s.globalCode = u"x"_s;
    m_document.editSettings(s, u"script"_s);
    s.globalCode.clear();
    m_document.editSettings(s, u"script"_s);
    EXPECT_FALSE(m_document.undoStack().canUndo());
}

TEST_F(DesignerDocumentTest, UndoingBackToTheSavedStateIsNoChange)
{
    QSignalSpy modified(&m_document, &DesignerDocument::modifiedChanged);
    EXPECT_FALSE(m_document.isModified());
    m_document.setSetting(&ProjectSettings::contours, 0);
    EXPECT_TRUE(m_document.isModified());
    m_document.undoStack().undo();
    EXPECT_FALSE(m_document.isModified());
    m_document.undoStack().redo();
    ASSERT_FALSE(m_document.save(m_dir.filePath(u"m.zep"_s)).isError());
    EXPECT_FALSE(m_document.isModified());
    m_document.setSetting(&ProjectSettings::handCursor, 0);
    EXPECT_TRUE(m_document.isModified());
    m_document.undoStack().undo();
    EXPECT_FALSE(m_document.isModified());
    EXPECT_EQ(modified.count(), 6);
    m_document.reset();
    EXPECT_FALSE(m_document.undoStack().canUndo()) << "a reset starts a history of its own";
}

TEST_F(DesignerDocumentTest, EditsOfTwoItemsInOneBurstStayApart)
{
    const int a = m_document.addButton(ButtonKind::Code);
    const int b = m_document.addButton(ButtonKind::Code);
    const int t = m_document.addText();
    const int u = m_document.addText();
    m_document.endBurst();
    const QString beforeA = m_project.button(a).code;
    const QString beforeB = m_project.button(b).code;
    MenuButton first = m_project.button(a);
    first.code = u"MsgBox 1"_s;
    m_document.editButton(a, first, u"script"_s);
    MenuButton second = m_project.button(b);
    second.code = u"MsgBox 2"_s;
    m_document.editButton(b, second, u"script"_s);
    MenuText one = m_project.text(t);
    one.text = u"un"_s;
    m_document.editText(t, one, u"typing"_s);
    MenuText two = m_project.text(u);
    two.text = u"deux"_s;
    m_document.editText(u, two, u"typing"_s);
    EXPECT_EQ(m_document.undoStack().count(), 8);

    QUndoStack &stack = m_document.undoStack();
    for (int i = 0; i < 4; ++i)
        stack.undo();
    EXPECT_EQ(m_project.button(a).code, beforeA);
    EXPECT_EQ(m_project.button(b).code, beforeB);
    for (int i = 0; i < 4; ++i)
        stack.redo();
    EXPECT_EQ(m_project.button(a).code, u"MsgBox 1"_s);
    EXPECT_EQ(m_project.button(b).code, u"MsgBox 2"_s);
    EXPECT_EQ(m_project.text(t).text, u"un"_s);
    EXPECT_EQ(m_project.text(u).text, u"deux"_s);
}

TEST_F(DesignerDocumentTest, SavingANeverSavedProjectElsewhereKeepsTheFilesOfTheStartFolder)
{
    QDir(m_dir.path()).mkpath(u"debut"_s);
    QDir(m_dir.path()).mkpath(u"ailleurs"_s);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(m_dir.filePath(u"debut/fond.bmp"_s), "BMP"));
    m_document.setSetting(&ProjectSettings::backgroundImage, u"fond.bmp"_s);

    // Reading the saved file back asks nothing: the picture is found where it lies.
    ASSERT_FALSE(m_document.save(m_dir.filePath(u"ailleurs/menu.zep"_s)).isError());
    EXPECT_TRUE(m_prompter.log().isEmpty()) << qPrintable(m_prompter.log().join(u'\n'));
    EXPECT_EQ(m_project.path(), m_dir.filePath(u"ailleurs/menu.zep"_s));
    EXPECT_EQ(m_document.resolve(m_project.settings().backgroundImage), m_dir.filePath(u"debut/fond.bmp"_s));
}
