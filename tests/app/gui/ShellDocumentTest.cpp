#include "ShellFixture.h"

#include "app/AppearanceEditor.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "app/MenuLabelBar.h"
#include "app/RecentFilesMenu.h"
#include "document/DesignerDocument.h"
#include "app/core/AppearanceFile.h"
#include "app/core/RecentFiles.h"
#include "designer/Worksheet.h"
#include "designer/ObjectsPalette.h"
#include "project/MenuProject.h"
#include "project/ProjectWriter.h"
#include "support/TestFiles.h"
#include "wizard/gui/WizardWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kSaveTitle = u"Enregistrement"_s;

void expectAskToSave(ScriptedPrompter &prompter, const QString &text, Answer answer)
{
    prompter.expectMessage(text, kSaveTitle, MessageIcon::Question, MessageButtons::YesNoCancel, answer);
}

const FileRequest kSaveAs{u"Enregistrer &Sous"_s, u"Fichier ZEP v1.1 (*.zep) | *.zep"_s, QString()};

} // namespace

TEST_F(ShellFixture, BlankProjectAsksFirstAndCancelKeepsEverything)
{
    ASSERT_TRUE(start());
    MenuProject &project = session().project();
    session().document().addButton(ButtonKind::Code);
    MainMenus &menus = session().mainWindow()->menus();

    expectAskToSave(m_prompter, u"Voulez-vous enregistrer le fichier en cours ?"_s, Answer::Cancel);
    menus.newBlank->trigger();
    EXPECT_EQ(project.buttonSlotsInUse(), 2);

    // Yes on a never-saved project opens the save dialog; cancelling it keeps the project.
    expectAskToSave(m_prompter, u"Voulez-vous enregistrer le fichier en cours ?"_s, Answer::Yes);
    m_prompter.expectSaveFile(kSaveAs, QString());
    menus.newBlank->trigger();
    EXPECT_EQ(project.buttonSlotsInUse(), 2);

    expectAskToSave(m_prompter, u"Voulez-vous enregistrer le fichier en cours ?"_s, Answer::No);
    menus.newBlank->trigger();
    EXPECT_EQ(project.buttonSlotsInUse(), 1);
}

TEST_F(ShellFixture, YesSavesUnderTheChosenNameThenGoesOn)
{
    ASSERT_TRUE(start());
    MenuProject &project = session().project();
    session().document().setSetting(&ProjectSettings::globalCode, u"Const a = 1"_s);
    const QString target = m_user.filePath(u"menu.zep"_s);
    MainMenus &menus = session().mainWindow()->menus();

    expectAskToSave(m_prompter, u"Voulez-vous enregistrer le fichier en cours ?"_s, Answer::Yes);
    m_prompter.expectSaveFile(kSaveAs, target);
    menus.newBlank->trigger();
    EXPECT_TRUE(project.settings().globalCode.isEmpty());
    EXPECT_TRUE(testfiles::readBytes(target).contains("Const a = 1"));

    // The saved project is now in the recent files, shown whole (path longer than 10).
    const auto &recent = session().mainWindow()->recentMenu().actions();
    ASSERT_EQ(recent.size(), 1);
    EXPECT_EQ(recent[0]->text(), target.left(10) + u".../menu.zep"_s);

    session().document().addText();
    expectAskToSave(m_prompter, u"Voulez-vous enregistrer le fichier en cours ?"_s, Answer::No);
    recent[0]->trigger();
    EXPECT_EQ(project.path(), target);
    EXPECT_EQ(project.settings().globalCode, u"Const a = 1"_s);

    session().document().addText();
    expectAskToSave(m_prompter, u"Voulez-vous enregistrer les modifications apportées au fichier 'menu.zep' ?"_s,
                    Answer::Cancel);
    menus.refresh->trigger();
    EXPECT_EQ(session().mainWindow()->recentMenu().actions().size(), 1) << "no second entry for the same file";
}

TEST_F(ShellFixture, AVanishedRecentFileIsReportedAndKept)
{
    ASSERT_TRUE(start());
    const QString gone = m_user.filePath(u"parti.zep"_s);
    session().recentFiles().add(gone);
    const auto &recent = session().mainWindow()->recentMenu().actions();
    ASSERT_EQ(recent.size(), 1);
    m_prompter.expectMessage(u"Le fichier '"_s + gone + u"' est introuvable !"_s, u"Erreur de chargement"_s,
                             MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    recent[0]->trigger();
    EXPECT_EQ(session().mainWindow()->recentMenu().actions().size(), 1);
}

TEST_F(ShellFixture, OpeningAFileThatIsNoProjectShowsWhyAndKeepsTheOpenOne)
{
    ASSERT_TRUE(start());
    MenuProject &project = session().project();
    session().document().addButton(ButtonKind::Code);
    const QString notes = m_user.filePath(u"notes.txt"_s);
    testfiles::writeBytes(notes, "Liste des courses\r\n- pain\r\n");
    MainMenus &menus = session().mainWindow()->menus();

    expectAskToSave(m_prompter, u"Voulez-vous enregistrer le fichier en cours ?"_s, Answer::No);
    m_prompter.expectOpenFile(
        {menus.open->text(), u"Fichier ZEP v1.0/v1.1 (*.zep)|*.zep|Fichier QMB ou compatible (*.qmb)|*.qmb"_s,
         QString()},
        notes);
    m_prompter.expectMessage(u"Le fichier '"_s + notes + u"' n'est pas un projet ZEP."_s, u"Erreur d'ouverture !"_s,
                             MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    menus.open->trigger();
    EXPECT_EQ(project.buttonSlotsInUse(), 2);
    EXPECT_TRUE(project.path().isEmpty());
    EXPECT_TRUE(session().recentFiles().entries().isEmpty());
    EXPECT_EQ(testfiles::readBytes(notes), "Liste des courses\r\n- pain\r\n");
}

TEST_F(ShellFixture, SourceAndRefreshNeedASavedProject)
{
    ASSERT_TRUE(start());
    MainMenus &menus = session().mainWindow()->menus();
    for (QAction *action : {menus.refresh, menus.editSource}) {
        m_prompter.expectMessage(u"Le projet en cours n'est pas enregistré !"_s, u"ZEP - création"_s,
                                 MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok);
        action->trigger();
    }
}

TEST_F(ShellFixture, QuitWhileTheWizardIsOpenKeepsTheProgramRunning)
{
    ASSERT_TRUE(start());
    session().openWizard();
    m_prompter.expectMessage(u"Veuillez fermer l'assistant création avant de quitter."_s, u"Quitter..."_s,
                             MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok);
    EXPECT_FALSE(session().mainWindow()->close());
    EXPECT_TRUE(session().palette()->isVisible());

    MessageRequest quitWizard{u"Quitter l'assistant ?"_s, u"Assistant création"_s, MessageIcon::Question,
                              MessageButtons::YesNo};
    quitWizard.defaultButton = 2;
    m_prompter.expectMessage(quitWizard, Answer::Yes);
    EXPECT_TRUE(session().wizard()->close());
    session().document().addText();
    expectAskToSave(m_prompter, u"Voulez-vous enregistrer le fichier en cours ?"_s, Answer::Cancel);
    EXPECT_FALSE(session().mainWindow()->close());

    expectAskToSave(m_prompter, u"Voulez-vous enregistrer le fichier en cours ?"_s, Answer::No);
    EXPECT_TRUE(session().mainWindow()->close());
    EXPECT_FALSE(session().palette()->isVisible());
    EXPECT_FALSE(session().worksheet()->isVisible());
}

TEST_F(ShellFixture, LoadingATwoToneThemeRecoloursTheToolWindowsButNotDesignTaggedControls)
{
    ASSERT_TRUE(start());
    MainWindow *main = session().mainWindow();
    session().mainWindow()->menus().appearances->trigger();
    AppearanceEditor &editor = main->appearanceEditor();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(main->height(), 339) << "5085 twips";
    EXPECT_EQ(editor.list()->item(0)->text(), u"Par défaut"_s);
    EXPECT_EQ(editor.list()->count(), 7);

    auto *swatch = editor.findChild<QPushButton *>(u"Couleur_fenetres"_s);
    const QColor swatchBefore = swatch->palette().color(QPalette::Button);
    editor.list()->setCurrentRow(5); // "Sombre"
    editor.load();
    const auto *field = main->findChild<QLineEdit *>(u"Text_exemple"_s);
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(0xB1, 0xB3, 0x21)); // 2208689
    const auto *label = main->findChild<QLabel *>(u"Label_fichier"_s);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    const auto *paletteButton = session().palette()->findChild<QPushButton *>();
    EXPECT_EQ(paletteButton->palette().color(QPalette::ButtonText), QColor(Qt::white));
    EXPECT_EQ(session().palette()->palette().color(QPalette::Window), QColor(0x8B, 0x8B, 0x61)); // 6392715
    EXPECT_EQ(swatch->palette().color(QPalette::Button), QColor(0x8B, 0x8B, 0x61)) << "shows the loaded colour";
    EXPECT_NE(swatch->palette().color(QPalette::WindowText), QColor(Qt::white)) << "N_DESIGN keeps its text colour";
    Q_UNUSED(swatchBefore);
    EXPECT_TRUE(testfiles::readBytes(programFile(u"zep_options.ini"_s)).contains(" 6392715 \r\n 2208689 \r\n"));

    editor.findChild<QPushButton *>(u"Fermer_apparences"_s)->click();
    EXPECT_EQ(main->height(), 41) << "615 twips";
}

TEST_F(ShellFixture, SavingAThemeNeedsANewName)
{
    ASSERT_TRUE(start());
    session().mainWindow()->menus().appearances->trigger();
    AppearanceEditor &editor = session().mainWindow()->appearanceEditor();
    const QByteArray before = testfiles::readBytes(programFile(u"apparences.ini"_s));

    m_prompter.expectMessage(u"Champs nom vide !!!"_s, u"ZEP - création"_s, MessageIcon::Exclamation,
                             MessageButtons::Ok, Answer::Ok);
    editor.saveNew();
    editor.newName()->setText(u"bLEU"_s);
    m_prompter.expectMessage(u"Ce nom est déjà utilisé !!!"_s, u"ZEP - création"_s, MessageIcon::Exclamation,
                             MessageButtons::Ok, Answer::Ok);
    editor.saveNew();
    EXPECT_EQ(testfiles::readBytes(programFile(u"apparences.ini"_s)), before);

    editor.newName()->setText(u"Mien"_s);
    editor.saveNew();
    EXPECT_EQ(editor.list()->count(), 8);
    EXPECT_EQ(editor.list()->currentItem()->text(), u"Mien"_s);
    EXPECT_TRUE(editor.newName()->text().isEmpty());
    EXPECT_TRUE(testfiles::readBytes(programFile(u"apparences.ini"_s)).startsWith(before));
}

TEST_F(ShellFixture, AThemeThatCannotBeSavedIsReportedAndChangesNothing)
{
    ASSERT_TRUE(start());
    MainWindow *main = session().mainWindow();
    main->menus().appearances->trigger();
    AppearanceEditor &editor = main->appearanceEditor();
    editor.list()->setCurrentRow(5); // "Sombre", so that the last stored one ("Sombre2") differs
    editor.load();
    const QByteArray options = testfiles::readBytes(programFile(u"zep_options.ini"_s));
    const QColor window = session().palette()->palette().color(QPalette::Window);

    // A folder where the file should be: it can be neither read nor replaced.
    ASSERT_TRUE(QFile::remove(programFile(u"apparences.ini"_s)));
    ASSERT_TRUE(QDir(m_program.path()).mkdir(u"apparences.ini"_s));
    editor.newName()->setText(u"Mien"_s);
    m_prompter.expectMessage(u"Erreur pendant l'enregistrement ! (Erreur d'accès au chemin/fichier)"_s, u"Erreur !"_s,
                             MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    editor.saveNew();
    EXPECT_TRUE(m_prompter.allAnswered());
    EXPECT_EQ(editor.list()->count(), 7);
    EXPECT_EQ(editor.newName()->text(), u"Mien"_s) << "the name typed is kept for another try";
    EXPECT_EQ(testfiles::readBytes(programFile(u"zep_options.ini"_s)), options);
    EXPECT_EQ(session().palette()->palette().color(QPalette::Window), window);
}

TEST_F(ShellFixture, ATriedThemeIsTheOneInUseAndTheOneTheOptionsStore)
{
    ASSERT_TRUE(start());
    MainWindow *main = session().mainWindow();
    main->menus().appearances->trigger();
    AppearanceEditor &editor = main->appearanceEditor();
    editor.list()->setCurrentRow(1); // "Bleu"
    editor.load();
    const QByteArray stored = testfiles::readBytes(programFile(u"zep_options.ini"_s));

    auto *swatch = editor.findChild<QPushButton *>(u"Couleur_fenetres"_s);
    m_prompter.expectColour({16755370}, 255);
    swatch->click();
    editor.tryOut();
    EXPECT_EQ(session().palette()->palette().color(QPalette::Window), QColor(Qt::red));
    EXPECT_EQ(testfiles::readBytes(programFile(u"zep_options.ini"_s)), stored) << "trying stores nothing";

    editor.findChild<QPushButton *>(u"Fermer_apparences"_s)->click();
    main->menus().appearances->trigger();
    EXPECT_EQ(swatch->property("colour").toInt(), 255) << "the editor shows the theme in use";
    main->menus().cornerMarkers->trigger();
    EXPECT_TRUE(testfiles::readBytes(programFile(u"zep_options.ini"_s)).contains("\r\n 255 \r\n 10461183 \r\n"));
}

TEST_F(ShellFixture, MenuLabelsLightUpUnderThePointerAndGoBackElsewhere)
{
    ASSERT_TRUE(start());
    MenuLabelBar &bar = session().mainWindow()->labels();
    ASSERT_EQ(bar.count(), 6);
    QStringList captions;
    for (int i = 0; i < bar.count(); ++i)
        captions << bar.label(i)->text();
    EXPECT_EQ(captions, (QStringList{u"Fichier"_s, u"Source"_s, u"Créer"_s, u"Divers"_s, u"Options"_s, u"?"_s}));
    EXPECT_EQ(bar.label(1)->x(), bar.label(0)->x() + bar.label(0)->width());
    EXPECT_EQ(bar.label(0)->height(), 15) << "225 twips";

    QTest::mouseMove(bar.label(2));
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(bar.label(2), &move);
    EXPECT_TRUE(bar.isHighlighted(2));
    EXPECT_FALSE(bar.isHighlighted(0));
    QMouseEvent elsewhere(QEvent::MouseMove, QPointF(600, 30), QPointF(600, 30), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
    QApplication::sendEvent(session().mainWindow(), &elsewhere);
    EXPECT_FALSE(bar.isHighlighted(2));
}

TEST_F(ShellFixture, AnEditUndoneBackToTheSavedStateAsksNothing)
{
    ASSERT_TRUE(start());
    MainMenus &menus = session().mainWindow()->menus();
    const QString target = m_user.filePath(u"propre.zep"_s);
    session().document().setSetting(&ProjectSettings::backgroundColour, 255);
    m_prompter.expectSaveFile(kSaveAs, target);
    menus.saveAs->trigger();
    ASSERT_EQ(session().project().path(), target);

    EXPECT_FALSE(menus.undo->isEnabled()) << "a saved project starts a history of its own";
    session().document().setSetting(&ProjectSettings::contours, 0);
    ASSERT_TRUE(menus.undo->isEnabled());
    menus.undo->trigger();
    EXPECT_EQ(session().project().settings().contours, 1);
    EXPECT_TRUE(menus.redo->isEnabled());
    menus.newBlank->trigger(); // nothing to lose: no question
    EXPECT_TRUE(session().project().path().isEmpty());
    EXPECT_TRUE(m_prompter.allAnswered());

    session().document().setSetting(&ProjectSettings::contours, 0);
    expectAskToSave(m_prompter, u"Voulez-vous enregistrer le fichier en cours ?"_s, Answer::Cancel);
    menus.newBlank->trigger();
    EXPECT_TRUE(m_prompter.allAnswered());
}
