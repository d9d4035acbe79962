#include "WizardFixtures.h"
#include "WizardWindowFixture.h"

#include "support/TestFiles.h"
#include "wizard/gui/ButtonEditor.h"
#include "wizard/gui/ButtonPreview.h"
#include "wizard/gui/ButtonsPage.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using WizardWindowTest = WizardWindowFixture;

const QString kWebQuestion =
    u"Voulez-vous ouvrir une page internet ? (cliquez sur non si vous voulez ouvrir un document ou un programme)."_s;

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

} // namespace

TEST_F(WizardWindowTest, StepsShowTheirTitlesAndTheNavigationFollowsTheStep)
{
    EXPECT_EQ(m_wizard->objectName(), u"Form14"_s);
    EXPECT_EQ(m_wizard->windowTitle(), kCaption);
    EXPECT_TRUE(m_wizard->isOpen());
    const QStringList titles{u"Bienvenue dans l'assistant création de projet ZEP !"_s, u"Au démarrage..."_s,
                             u"Création des boutons..."_s, u"A quoi servent ces boutons ?"_s,
                             u"La fin approche..."_s};
    for (int step = 0; step < 5; ++step) {
        EXPECT_EQ(child<QLabel>(u"titre"_s)->text(), titles[step]);
        EXPECT_EQ(child<QStackedWidget>(u"etapes"_s)->currentWidget()->objectName(),
                  u"etape"_s + QString::number(step + 1));
        EXPECT_EQ(child<QPushButton>(u"precedent"_s)->isEnabled(), step > 0);
        EXPECT_EQ(child<QPushButton>(u"suivant"_s)->isEnabled(), step < 4);
        EXPECT_EQ(child<QPushButton>(u"terminer"_s)->isEnabled(), step == 4);
        if (step < 4)
            click(u"suivant"_s);
    }
    // The last step starts in the user's documents folder.
    EXPECT_FALSE(m_wizard->project().saveFolder.isEmpty());
    click(u"precedent"_s);
    EXPECT_EQ(m_wizard->step(), 3);
}

TEST_F(WizardWindowTest, TheFirstStepEnablesTheImageAndMusicFieldsByTheirChoices)
{
    EXPECT_EQ(child<QLineEdit>(u"Text_nom_menu"_s)->text(), u"Sans Titre"_s);
    EXPECT_TRUE(child<QRadioButton>(u"fond_couleur"_s)->isChecked());
    EXPECT_FALSE(child<QLineEdit>(u"Text_chemin_image"_s)->isEnabled());
    EXPECT_FALSE(child<QPushButton>(u"parcourir_musique"_s)->isEnabled());

    m_prompter.expectColour({16777215}, 255);
    QTest::mouseClick(child<QWidget>(u"couleur_fond"_s), Qt::LeftButton);
    EXPECT_EQ(m_wizard->project().backgroundColour, 255);

    click(u"fond_image"_s);
    EXPECT_TRUE(m_wizard->project().backgroundIsImage);
    m_prompter.expectOpenFile({u"Ouvir une image..."_s,
                               u"Images *.jpg, *.jpeg, *.gif, *.bmp, *.ico | *.jpg;*.jpeg;*.gif;*.bmp;*.ico"_s, QString()},
                              u"/images/fond.jpg"_s);
    click(u"parcourir_image"_s);
    EXPECT_EQ(m_wizard->project().backgroundImage, u"/images/fond.jpg"_s);

    click(u"musique"_s);
    m_prompter.expectOpenFile({u"Musique de fond..."_s,
                               u"Son *.wav, *.mp3, *.mid, *.aif, *.wma | *.wav;*.mp3;*.mid;*.aif;*.wma"_s, QString()},
                              QString());
    click(u"parcourir_musique"_s);
    EXPECT_TRUE(m_wizard->project().musicOn);
    EXPECT_EQ(m_wizard->project().music, QString());
}

TEST_F(WizardWindowTest, StartupChoicesAskTheirQuestionsAndFallBackToNothing)
{
    click(u"suivant"_s);
    m_prompter.expectMessage(kWebQuestion, kCaption, MessageIcon::Question, MessageButtons::YesNoCancel,
                             Answer::Cancel);
    click(u"demarrage_ouvrir"_s);
    EXPECT_TRUE(child<QRadioButton>(u"demarrage_rien"_s)->isChecked());
    EXPECT_EQ(m_wizard->project().startup, WizardProject::Startup::Nothing);

    m_prompter.expectMessage(kWebQuestion, kCaption, MessageIcon::Question, MessageButtons::YesNoCancel, Answer::Yes);
    m_prompter.expectInput(
        {u"Entrez l'adresse de la page :"_s, kCaption, u"http://www.example.com ou http://www.example.org"_s},
        u"http://www.example.org/"_s);
    click(u"demarrage_ouvrir"_s);
    EXPECT_EQ(child<QLabel>(u"cible_demarrage"_s)->text(), u"http://www.example.org/"_s);
    EXPECT_FALSE(child<QPushButton>(u"apercu_message"_s)->isEnabled());

    m_prompter.expectInput({u"Titre de message :"_s, kCaption, QString()}, u"Le \"CD\""_s);
    m_prompter.expectInput({u"Message (tapez [R] pour aller à la ligne) :"_s, kCaption, QString()}, u"Un[R]Deux"_s);
    click(u"demarrage_message"_s);
    EXPECT_EQ(m_wizard->project().startupTitle, u"Le 'CD'"_s);
    m_prompter.expectMessage(u"Un\r\nDeux"_s, u"Le 'CD'"_s, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    click(u"apercu_message"_s);

    // Asked again, the answers come back as given; an empty title leaves nothing chosen.
    m_prompter.expectInput({u"Titre de message :"_s, kCaption, u"Le 'CD'"_s}, QString());
    click(u"demarrage_message"_s);
    EXPECT_TRUE(child<QRadioButton>(u"demarrage_rien"_s)->isChecked());

    click(u"demarrage_fichier"_s);
    EXPECT_TRUE(child<QLineEdit>(u"Text_chemin_demarrage"_s)->isEnabled());
    type(u"Text_chemin_demarrage"_s, u"[LECT]:\\intro.avi"_s);
    EXPECT_EQ(m_wizard->project().startupFile, u"[LECT]:\\intro.avi"_s);
}

TEST_F(WizardWindowTest, TheAddPanelChecksItsButtonsAndNumbersAreNeverReused)
{
    QDir().mkpath(sources());
    m_wizard->goTo(2);
    auto *list = child<QListWidget>(u"liste_boutons"_s);
    auto *panel = child<QGroupBox>(u"ajout_bouton"_s);
    EXPECT_TRUE(panel->isHidden());

    expectWarning(u"Veuillez sélectionner un bouton pour le supprimer !"_s);
    click(u"supprimer"_s);

    click(u"ajouter"_s);
    EXPECT_FALSE(panel->isHidden());
    EXPECT_FALSE(child<QRadioButton>(u"type_texte"_s)->isChecked());
    EXPECT_FALSE(child<QRadioButton>(u"type_graphique"_s)->isChecked());
    click(u"type_texte"_s);
    expectWarning(u"Veuillez indiquer le texte du bouton !"_s);
    click(u"valider_texte"_s);
    // Black on the white menu background: the same colours refuse the transparency.
    m_prompter.expectColour({0}, 16777215);
    QTest::mouseClick(child<QWidget>(u"couleur_texte"_s), Qt::LeftButton);
    expectWarning(u"La couleur de fond et la couleur du texte doivent être différentes !"_s);
    click(u"fond_transparent"_s);
    EXPECT_FALSE(child<QCheckBox>(u"fond_transparent"_s)->isChecked());
    m_prompter.expectFont({u"MS Sans Serif"_s, 8}, FontChoice{u"Serif"_s, 14.6, true});
    click(u"police"_s);
    click(u"retour_texte"_s);
    click(u"type_graphique"_s);
    type(u"Text_image_normale"_s, u"n.bmp"_s);
    expectWarning(u"Veuillez indiquer une image pour chaque propriétés du bouton (normal, survol et clique) !"_s);
    click(u"valider_graphique"_s);
    click(u"annuler_ajout"_s);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(list->count(), 0);

    addTextButton(u"Un"_s);
    addGraphicButton(u"deux"_s, QSize(30, 20));
    addTextButton(u"Trois"_s);
    EXPECT_EQ(m_wizard->project().buttons[0].font.size, 8);
    EXPECT_EQ(entries(list), (QStringList{u"Bouton 1 (Texte)"_s, u"Bouton 2 (Graphique)"_s, u"Bouton 3 (Texte)"_s}))
        << "numbered from 1, as the buttons' image files are";

    list->setCurrentRow(1);
    m_prompter.expectMessage(u"Suppimer le bouton n°2 ?"_s, kCaption, MessageIcon::Question, MessageButtons::YesNo,
                             Answer::No);
    click(u"supprimer"_s);
    EXPECT_EQ(list->count(), 3);
    m_prompter.expectMessage(u"Suppimer le bouton n°2 ?"_s, kCaption, MessageIcon::Question, MessageButtons::YesNo,
                             Answer::Yes);
    click(u"supprimer"_s);
    addTextButton(u"Quatre"_s);
    EXPECT_EQ(entries(list), (QStringList{u"Bouton 1 (Texte)"_s, u"Bouton 3 (Texte)"_s, u"Bouton 4 (Texte)"_s}));
    EXPECT_EQ(m_wizard->project().buttons.size(), 4);
    EXPECT_TRUE(m_wizard->project().buttons[1].deleted);
}

TEST_F(WizardWindowTest, ThePreviewShowsHoverAndClickAndWaitsWhileAButtonIsMade)
{
    m_wizard->goTo(2);
    addGraphicButton(u"vue"_s, QSize(40, 20));
    auto *list = child<QListWidget>(u"liste_boutons"_s);
    auto *preview = m_wizard->findChild<ButtonPreview *>();
    ASSERT_NE(preview, nullptr);
    const QPoint entry = list->visualItemRect(list->item(0)).center();
    const auto doubleClick = [&] {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, entry);
    };
    doubleClick();
    EXPECT_EQ(preview->picture().toImage().pixelColor(1, 1), QColor(Qt::green));

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(preview, &enter);
    EXPECT_EQ(preview->picture().toImage().pixelColor(1, 1), QColor(Qt::yellow));
    QTest::mousePress(preview, Qt::LeftButton);
    EXPECT_EQ(preview->picture().toImage().pixelColor(1, 1), QColor(Qt::red));
    QTest::mouseRelease(preview, Qt::LeftButton);
    EXPECT_EQ(preview->shown(), ButtonPreview::Shown::Normal);

    click(u"ajouter"_s);
    click(u"type_texte"_s);
    type(u"Text_texte_bouton"_s, u"Essai"_s);
    click(u"apercu_texte"_s);
    EXPECT_EQ(preview->picture().toImage().pixelColor(0, 0), QColor(Qt::white));
    expectWarning(u"Aucun apercu disponible quand vous éditez un autre bouton."_s);
    doubleClick();
}

TEST_F(WizardWindowTest, FunctionsAskTheirPromptsAndFallBackToMultimedia)
{
    m_wizard->goTo(2);
    addTextButton(u"Un"_s);
    addTextButton(u"Deux"_s);
    click(u"suivant"_s);
    auto *functions = child<QGroupBox>(u"fonctions_possibles"_s);
    EXPECT_TRUE(functions->isHidden());
    EXPECT_EQ(entries(child<QListWidget>(u"liste_fonctions"_s)), (QStringList{u"Bouton 1 (Texte)"_s, u"Bouton 2 (Texte)"_s}));

    selectButton(u"liste_fonctions"_s, 0);
    EXPECT_FALSE(functions->isHidden());
    EXPECT_TRUE(child<QRadioButton>(u"fonction_multimedia"_s)->isChecked());
    EXPECT_FALSE(child<QPushButton>(u"apercu_fonction"_s)->isEnabled());
    type(u"Text_chemin_fonction"_s, u"[LECT]:\\film.avi"_s);
    EXPECT_EQ(m_wizard->project().buttons[0].argument1, u"[LECT]:\\film.avi"_s);

    selectButton(u"liste_fonctions"_s, 1);
    EXPECT_EQ(child<QLineEdit>(u"Text_chemin_fonction"_s)->text(), QString());
    m_prompter.expectInput({u"Titre de message :"_s, kCaption, QString()}, u"Titre"_s);
    m_prompter.expectInput({u"Message (tapez [R] pour aller à la ligne) :"_s, kCaption, QString()}, u"Texte"_s);
    click(u"fonction_message"_s);
    EXPECT_TRUE(child<QPushButton>(u"apercu_fonction"_s)->isEnabled());
    m_prompter.expectMessage(u"Texte"_s, u"Titre"_s, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    click(u"apercu_fonction"_s);

    m_prompter.expectMessage(kWebQuestion, kCaption, MessageIcon::Question, MessageButtons::YesNoCancel, Answer::No);
    m_prompter.expectMessage(u"Le fichier à ouvrir sera t'il sur le CD ?"_s, kCaption, MessageIcon::Question,
                             MessageButtons::YesNo, Answer::No);
    m_prompter.expectInput({u"Entrez le chemin de ce fichier (ex: notepad.exe, c:\\prog.exe, c:\\document.doc ...) :"_s,
                            kCaption, QString()},
                           QString());
    click(u"fonction_ouvrir"_s);
    EXPECT_TRUE(child<QRadioButton>(u"fonction_multimedia"_s)->isChecked());
    EXPECT_EQ(m_wizard->project().buttons[1].function, WizardButton::PlayMultimedia);

    click(u"fonction_quitter"_s);
    selectButton(u"liste_fonctions"_s, 0);
    selectButton(u"liste_fonctions"_s, 1);
    EXPECT_TRUE(child<QRadioButton>(u"fonction_quitter"_s)->isChecked());
    EXPECT_FALSE(child<QLineEdit>(u"Text_chemin_fonction"_s)->isEnabled());
}

TEST_F(WizardWindowTest, ReservedCharactersAreTakenOutOfEveryField)
{
    const auto expectRefusal = [&] {
        m_prompter.expectMessage(u"Caratère interdit !"_s, u"Erreur !"_s, MessageIcon::Critical, MessageButtons::Ok,
                                 Answer::Ok);
    };
    const QStringList fields{u"Text_nom_menu"_s, u"Text_chemin_image"_s, u"Text_chemin_musique"_s,
                             u"Text_chemin_demarrage"_s, u"Text_texte_bouton"_s, u"Text_image_normale"_s,
                             u"Text_chemin_fonction"_s};
    for (const QString &name : fields) {
        expectRefusal();
        type(name, u"a¤b¬c"_s);
        EXPECT_EQ(child<QLineEdit>(name)->text(), u"abc"_s) << name.toStdString();
    }
    EXPECT_TRUE(m_prompter.allAnswered());
    EXPECT_EQ(m_wizard->project().name, u"abc"_s);
    EXPECT_EQ(m_wizard->project().backgroundImage, u"abc"_s);
    EXPECT_EQ(m_wizard->project().music, u"abc"_s);
    EXPECT_EQ(m_wizard->project().startupFile, u"abc"_s);
}

TEST_F(WizardWindowTest, TheButtonDrawingProgramStartsOnlyWhenInstalled)
{
    m_wizard->goTo(2);
    QStringList started;
    m_wizard->buttonsPage().editor().setLauncher([&started](const QString &program) {
        started << program;
        return true;
    });
    click(u"ajouter"_s);
    click(u"type_graphique"_s);
    m_prompter.expectMessage(
        u"L'assistant bouton n'est pas installé, pour le télécharger allez sur https://zep.example.org/"_s, kCaption,
        MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    click(u"assistant_bouton"_s);
    EXPECT_TRUE(started.isEmpty());

    testfiles::writeBytes(m_dir.filePath(u"programme/assistant_bouton"_s), "#!/bin/sh\n");
    click(u"assistant_bouton"_s);
    EXPECT_EQ(started, QStringList{m_dir.filePath(u"programme/assistant_bouton"_s)});
}

TEST_F(WizardWindowTest, ClosingAsksUnlessFinishedAndNoKeepsTheWizard)
{
    QSignalSpy closed(m_wizard.data(), &WizardWindow::closed);
    const MessageRequest question{u"Quitter l'assistant ?"_s, kCaption, MessageIcon::Question, MessageButtons::YesNo, 2};
    m_prompter.expectMessage(question, Answer::No);
    click(u"annuler"_s);
    EXPECT_TRUE(m_wizard->isVisible());
    EXPECT_TRUE(m_wizard->isOpen());
    m_prompter.expectMessage(question, Answer::Yes);
    m_wizard->close();
    EXPECT_FALSE(m_wizard->isOpen());
    EXPECT_EQ(closed.count(), 1);
}

// scripts/screenshot-wizard runs this under a virtual display to look at every step.
TEST_F(WizardWindowTest, ScreenshotsOfEveryStep)
{
    const QString folder = qEnvironmentVariable("ZEP_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "ZEP_SCREENSHOT_DIR names the folder for the pictures";
    const auto save = [&](const QString &name) {
        QApplication::processEvents();
        m_wizard->grab().save(QDir(folder).filePath(name + u".png"_s));
    };
    click(u"musique"_s);
    type(u"Text_chemin_musique"_s, u"/home/moi/Musique/intro.mid"_s);
    save(u"wizard-1"_s);
    m_wizard->goTo(1);
    m_prompter.expectMessage(kWebQuestion, kCaption, MessageIcon::Question, MessageButtons::YesNoCancel, Answer::Yes);
    m_prompter.expectInput(
        {u"Entrez l'adresse de la page :"_s, kCaption, u"http://www.example.com ou http://www.example.org"_s},
        u"http://www.example.org/"_s);
    click(u"demarrage_ouvrir"_s);
    save(u"wizard-2"_s);
    m_wizard->goTo(2);
    addGraphicButton(u"jouer"_s, QSize(90, 30));
    addTextButton(u"Lire la vidéo"_s);
    click(u"ajouter"_s);
    click(u"type_texte"_s);
    type(u"Text_texte_bouton"_s, u"Quitter"_s);
    click(u"apercu_texte"_s);
    save(u"wizard-3"_s);
    click(u"retour_texte"_s);
    click(u"type_graphique"_s);
    save(u"wizard-3-graphique"_s);
    click(u"annuler_ajout"_s);
    m_wizard->goTo(3);
    selectButton(u"liste_fonctions"_s, 1);
    save(u"wizard-4"_s);
    m_wizard->goTo(4);
    save(u"wizard-5"_s);
}
