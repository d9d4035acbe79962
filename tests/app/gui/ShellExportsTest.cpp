#include "ShellFixture.h"

#include "app/DesignerExports.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "build/HtmlExport.h"
#include "build/gui/PrintPreview.h"
#include "designer/Worksheet.h"
#include "document/DesignerDocument.h"
#include "project/MenuProject.h"
#include "project/ProjectStorage.h"
#include "project/gui/FilePropertiesDialog.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

TEST_F(ShellFixture, ThePrintEntriesPreviewTheModelsPictureWithoutMarkers)
{
    ASSERT_TRUE(start());
    ASSERT_TRUE(session().storage().open(testfiles::copyExample(m_user.filePath(u"demo"_s))));
    const QImage unselected = session().exports().capture();
    ItemSelection &selection = session().document().selection();
    selection.choose(selection.entries().at(1));
    ASSERT_TRUE(session().worksheet()->cornerMarker(0)->isVisibleTo(session().worksheet()));
    EXPECT_EQ(unselected.size(), session().worksheet()->size());

    const MainMenus &menus = session().mainWindow()->menus();
    const QString captureFile = programFile(u"tmp_impression.bmp"_s);
    const std::pair<QAction *, QString> entries[] = {{menus.printBmp, u"enregistrer"_s},
                                                     {menus.printClipboard, u"presse_papier"_s},
                                                     {menus.printPaper, u"imprimer"_s}};
    for (const auto &[action, focused] : entries) {
        whileOpen<PrintPreview>(action, [&](PrintPreview &preview) {
            EXPECT_EQ(preview.focusWidget()->objectName(), focused);
            EXPECT_TRUE(preview.capture() == unselected) << "selection markers never appear";
            EXPECT_TRUE(QFile::exists(captureFile));
        });
        EXPECT_FALSE(QFile::exists(captureFile));
    }
}

TEST_F(ShellFixture, PropertiesEditTheAuthorAndTheHtmlPageGoesWhereAsked)
{
    ASSERT_TRUE(start());
    const MainMenus &menus = session().mainWindow()->menus();
    whileOpen<FilePropertiesDialog>(menus.properties, [](FilePropertiesDialog &dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit *>(u"fichier"_s)->text(), u"<inconnu>"_s);
        dialog.findChild<QLineEdit *>(u"auteur"_s)->setText(u"Zoé"_s);
        dialog.findChild<QPushButton *>(u"valider"_s)->click();
    });
    EXPECT_EQ(session().project().author().name, u"Zoé"_s);
    EXPECT_TRUE(session().document().isModified()) << "the save question will come";
    session().document().undoStack().undo();
    EXPECT_TRUE(session().project().author().name.isEmpty());
    EXPECT_FALSE(session().document().isModified());

    QDir(m_user.path()).mkdir(u"site"_s);
    m_prompter.expectInput({u"rep ?"_s, QString(), HtmlExport::desktopFolder()}, m_user.filePath(u"site"_s));
    menus.compileHtml->trigger();
    EXPECT_TRUE(testfiles::readBytes(m_user.filePath(u"site/index.htm"_s)).startsWith("<html><head>\r\n"));
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(ShellFixture, QmbFilesUseTheConverterOfTheProgramFolder)
{
    ASSERT_TRUE(start());
    const QString converter = programFile(u"qmb2zep"_s);
    const QString converted = testfiles::copyExample(m_user.filePath(u"demo"_s));
    testfiles::writeBytes(converter, "#!/bin/sh\necho '" + converted.toUtf8() + "'\n");
    QFile::setPermissions(converter, QFile::permissions(converter) | QFile::ExeOwner);
    testfiles::writeBytes(m_user.filePath(u"vieux.qmb"_s), "QMB");
    m_prompter.expectFolder({u"Ce projet a besoin d'être ré-enregistré au format ZEP, choisissez un dossier :"_s},
                            m_user.path());
    m_prompter.expectMessage(
        u"Il faudra redéfinir les actions des boutons car elles ne sont pas récupérables d'un fichier QMB."_s,
        u"Conversion terminée"_s, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    session().storage().open(m_user.filePath(u"vieux.qmb"_s));
    EXPECT_EQ(session().project().path(), converted);
    EXPECT_TRUE(QFileInfo(m_user.filePath(u"vieux"_s)).isDir());
}
