#include "ShellFixture.h"

#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "designer/Worksheet.h"
#include "designer/worksheet/ButtonItem.h"
#include "document/DesignerDocument.h"
#include "project/MenuProject.h"
#include "support/TestFiles.h"
#include "wizard/gui/WizardWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kCaption = u"Assistant création"_s;
const QString kSuccess = u"Votre menu a été enregistré et ouvert avec succès !\r\n\r\nAppuyez sur F5 pour tester ou "
                         u"cliquez sur Créer > Compiler > en autorun pour créer."_s;

void expectAskToSave(ScriptedPrompter &prompter, Answer answer)
{
    prompter.expectMessage(u"Voulez-vous enregistrer le fichier en cours ?"_s, u"Enregistrement"_s,
                           MessageIcon::Question, MessageButtons::YesNoCancel, answer);
}

template <typename T> T *control(WizardWindow *wizard, const QString &name)
{
    T *widget = wizard->findChild<T *>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
}

} // namespace

TEST_F(ShellFixture, TheWizardEntryAsksToSaveAndTheDesignerWillNotQuitWhileItIsUp)
{
    ASSERT_TRUE(start());
    MenuProject &project = session().project();
    MainMenus &menus = session().mainWindow()->menus();
    session().document().addButton(ButtonKind::Code);

    expectAskToSave(m_prompter, Answer::Cancel);
    menus.newWizard->trigger();
    EXPECT_EQ(session().wizard(), nullptr);
    EXPECT_EQ(project.buttonSlotsInUse(), 2);

    expectAskToSave(m_prompter, Answer::No);
    menus.newWizard->trigger();
    ASSERT_NE(session().wizard(), nullptr);
    EXPECT_TRUE(session().wizard()->isVisible());
    EXPECT_EQ(project.buttonSlotsInUse(), 1);

    m_prompter.expectMessage(u"Veuillez fermer l'assistant création avant de quitter."_s, u"Quitter..."_s,
                             MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok);
    EXPECT_FALSE(session().mainWindow()->close());
    EXPECT_TRUE(session().mainWindow()->isVisible());

    m_prompter.expectMessage({u"Quitter l'assistant ?"_s, kCaption, MessageIcon::Question, MessageButtons::YesNo, 2},
                             Answer::Yes);
    session().wizard()->close();
    QApplication::processEvents();
    session().document().addText();
    expectAskToSave(m_prompter, Answer::Cancel);
    EXPECT_FALSE(session().mainWindow()->close());
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(ShellFixture, TheFinishedWizardsProjectIsOpenedInTheDesigner)
{
    ASSERT_TRUE(start());
    const QString previousFolder = QDir::currentPath();
    const QString pictures = m_user.filePath(u"images"_s);
    QDir().mkpath(pictures);
    for (const QString &name : {u"n.bmp"_s, u"s.bmp"_s, u"c.bmp"_s}) {
        QImage image(60, 20, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        image.save(QDir(pictures).filePath(name), "BMP");
    }
    session().mainWindow()->menus().newWizard->trigger(); // an untouched project asks nothing
    WizardWindow *wizard = session().wizard();
    ASSERT_NE(wizard, nullptr);

    control<QLineEdit>(wizard, u"Text_nom_menu"_s)->setText(u"Essai"_s);
    wizard->goTo(2);
    control<QPushButton>(wizard, u"ajouter"_s)->click();
    control<QRadioButton>(wizard, u"type_graphique"_s)->click();
    control<QLineEdit>(wizard, u"Text_image_normale"_s)->setText(QDir(pictures).filePath(u"n.bmp"_s));
    control<QLineEdit>(wizard, u"Text_image_survol"_s)->setText(QDir(pictures).filePath(u"s.bmp"_s));
    control<QLineEdit>(wizard, u"Text_image_clique"_s)->setText(QDir(pictures).filePath(u"c.bmp"_s));
    control<QPushButton>(wizard, u"valider_graphique"_s)->click();
    wizard->goTo(4);
    m_prompter.expectFolder({u"Veuillez choisir le dossier dans lequel votre menu va être enregistré :"_s}, m_user.path());
    control<QPushButton>(wizard, u"enregistrer_dans"_s)->click();
    m_prompter.expectMessage(kSuccess, kCaption, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    control<QPushButton>(wizard, u"terminer"_s)->click();
    QApplication::processEvents();

    const MenuProject &project = session().project();
    EXPECT_EQ(project.path(), m_user.filePath(u"Essai/Essai.zep"_s));
    ASSERT_EQ(project.buttonSlotsInUse(), 2);
    EXPECT_EQ(project.button(1).normalImage, u"n.bmp"_s);
    EXPECT_EQ(project.button(1).top, 150);
    EXPECT_EQ(project.settings().width, 9600);
    // Opened through the document: its folder is the new project's, with nothing to undo.
    EXPECT_EQ(session().document().folder(), m_user.filePath(u"Essai/"_s));
    EXPECT_FALSE(session().document().isModified());
    EXPECT_FALSE(session().document().undoStack().canUndo());
    const ButtonItem *shown = session().worksheet()->buttonItem(1);
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(session().wizard(), nullptr);
    EXPECT_TRUE(m_prompter.allAnswered());
    QDir::setCurrent(previousFolder);
}

TEST_F(ShellFixture, TheStartupPreferenceOpensTheWizard)
{
    testfiles::writeBytes(programFile(u"zep_options.ini"_s),
                          "non\r\noui\r\noui\r\n 0 \r\n 0 \r\n 0 \r\nDejaVu Sans\r\noui\r\noui\r\n");
    ASSERT_TRUE(start());
    ASSERT_NE(session().wizard(), nullptr);
    EXPECT_TRUE(session().wizard()->isVisible());
    EXPECT_TRUE(session().mainWindow()->menus().wizardAtStart->isChecked());
    // The theme reaches the wizard, and its disabled buttons still look disabled.
    const auto *previous = session().wizard()->findChild<QPushButton *>(u"precedent"_s);
    ASSERT_NE(previous, nullptr);
    EXPECT_FALSE(previous->isEnabled());
    EXPECT_NE(previous->palette().color(QPalette::Disabled, QPalette::ButtonText),
              previous->palette().color(QPalette::Active, QPalette::ButtonText));
}
