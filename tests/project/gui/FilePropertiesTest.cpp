#include "project/MenuProject.h"
#include "project/ProjectWriter.h"
#include "project/gui/FilePropertiesDialog.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class FilePropertiesTest : public ::testing::Test
{
protected:
    FilePropertiesTest() { m_project.setAuthor({u"Zoé"_s, u"zoe@example.org"_s, u"zoe.example.org"_s, u"l1\r\nl2"_s}); }

    std::unique_ptr<FilePropertiesDialog> open()
    {
        auto dialog = std::make_unique<FilePropertiesDialog>(m_project, [this](const AuthorInfo &author) {
            m_applied.push_back(author);
        });
        dialog->show();
        return dialog;
    }

    static QString field(const FilePropertiesDialog &dialog, const QString &name)
    {
        return dialog.findChild<QLineEdit *>(name)->text();
    }

    static QPlainTextEdit *notes(const FilePropertiesDialog &dialog)
    {
        return dialog.findChild<QPlainTextEdit *>(u"notes"_s);
    }

    QString writeFile(const QByteArray &formatLines)
    {
        const QString path = m_dir.filePath(u"menu.zep"_s);
        testfiles::writeBytes(path, "entete\r\n[Format]\r\n" + formatLines + "[Auteur]\r\n");
        m_project.setPath(path);
        return path;
    }

    QTemporaryDir m_dir;
    MenuProject m_project;
    std::vector<AuthorInfo> m_applied;
};

} // namespace

TEST_F(FilePropertiesTest, ANeverSavedOrVanishedFileIsUnknown)
{
    for (const QString &path : {QString(), m_dir.filePath(u"parti.zep"_s)}) {
        m_project.setPath(path);
        const auto dialog = open();
        EXPECT_EQ(dialog->objectName(), u"Form19"_s);
        EXPECT_EQ(dialog->windowTitle(), u"Propriétés"_s);
        for (const QString &name : {u"editeur"_s, u"version"_s, u"version_fichier"_s, u"fichier"_s}) {
            EXPECT_EQ(field(*dialog, name), u"<inconnu>"_s) << name.toStdString();
            EXPECT_TRUE(dialog->findChild<QLineEdit *>(name)->isReadOnly());
        }
        EXPECT_EQ(field(*dialog, u"auteur"_s), u"Zoé"_s);
        EXPECT_EQ(field(*dialog, u"email"_s), u"zoe@example.org"_s);
        EXPECT_EQ(field(*dialog, u"site"_s), u"zoe.example.org"_s);
        EXPECT_EQ(notes(*dialog)->toPlainText(), u"l1\nl2"_s);
        EXPECT_NE(dialog->findChild<QLineEdit *>(u"editeur"_s)->palette().color(QPalette::Base),
                  dialog->findChild<QLineEdit *>(u"site"_s)->palette().color(QPalette::Base));
    }
}

TEST_F(FilePropertiesTest, TheFormatLinesAndSizeOfTheFileAreShown)
{
    const QString path = writeFile("Editeur=Assistant\r\nVersion=2.0.450\r\nFichier=\r\n");
    auto dialog = open();
    EXPECT_EQ(field(*dialog, u"editeur"_s), u"Assistant"_s);
    EXPECT_EQ(field(*dialog, u"version"_s), u"2.0.450"_s);
    EXPECT_EQ(field(*dialog, u"version_fichier"_s), u"1.0"_s) << "an empty version is the first format";
    EXPECT_EQ(field(*dialog, u"fichier"_s), path + u" (74 octets )"_s);

    writeFile("Editeur=ZEP\r\nVersion=2.0\r\nFichier=1.1\r\n");
    dialog = open();
    EXPECT_EQ(field(*dialog, u"editeur"_s), u"ZEP"_s);
    EXPECT_EQ(field(*dialog, u"version_fichier"_s), u"1.1"_s);

    // The designer's own writer, as the wizard and "&Enregistrer" use it.
    testfiles::writeBytes(path, ProjectWriter(m_project).toBytes(path));
    dialog = open();
    EXPECT_EQ(field(*dialog, u"editeur"_s), u"ZEP"_s);
    EXPECT_FALSE(field(*dialog, u"version_fichier"_s).isEmpty());
}

TEST_F(FilePropertiesTest, TheFoldCharacterBecomesAStarTypedOrPasted)
{
    const auto dialog = open();
    QPlainTextEdit *edit = notes(*dialog);
    edit->setFocus();
    edit->moveCursor(QTextCursor::End);
    QTest::keyClicks(edit, u"a¤b"_s);
    EXPECT_EQ(edit->toPlainText(), u"l1\nl2a*b"_s);
    QApplication::clipboard()->setText(u"¤x¤"_s);
    edit->paste();
    EXPECT_EQ(edit->toPlainText(), u"l1\nl2a*b*x*"_s);
    EXPECT_EQ(edit->textCursor().position(), edit->toPlainText().size()) << "the caret stays after the paste";
}

TEST_F(FilePropertiesTest, EnterInTheNotesMakesALineAndElsewhereValidates)
{
    auto dialog = open();
    QPlainTextEdit *edit = notes(*dialog);
    edit->setFocus();
    edit->moveCursor(QTextCursor::End);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, u"l3"_s);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(m_applied.empty());

    QLineEdit *name = dialog->findChild<QLineEdit *>(u"auteur"_s);
    name->setFocus();
    name->setText(u"Zoé Martin"_s);
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    ASSERT_EQ(m_applied.size(), 1u);
    EXPECT_EQ(m_applied[0], (AuthorInfo{u"Zoé Martin"_s, u"zoe@example.org"_s, u"zoe.example.org"_s,
                                        u"l1\r\nl2\r\nl3"_s}));
}

TEST_F(FilePropertiesTest, CancelOrNoChangeAppliesNothing)
{
    auto dialog = open();
    dialog->findChild<QLineEdit *>(u"site"_s)->setText(u"ailleurs"_s);
    QTest::mouseClick(dialog->findChild<QPushButton *>(u"annuler"_s), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());

    dialog = open();
    EXPECT_EQ(dialog->findChild<QPushButton *>(u"valider"_s)->text(), u"&Valider"_s);
    EXPECT_EQ(dialog->findChild<QPushButton *>(u"annuler"_s)->text(), u"&Annuler"_s);
    QTest::mouseClick(dialog->findChild<QPushButton *>(u"valider"_s), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(m_applied.empty());
}
