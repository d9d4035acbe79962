#include "WizardFixtures.h"
#include "WizardWindowFixture.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

class WizardFinishWindowTest : public WizardWindowFixture
{
protected:
    void chooseSaveFolder(const QString &folder)
    {
        m_wizard->goTo(4);
        m_prompter.expectFolder({u"Veuillez choisir le dossier dans lequel votre menu va être enregistré :"_s}, folder);
        click(u"enregistrer_dans"_s);
    }
};

} // namespace

TEST_F(WizardFinishWindowTest, EachCheckStopsTheFinishWithItsMessage)
{
    expectWarning(u"Cliquez d'abord sur 'Enregistrer le menu...' !"_s);
    m_wizard->finish();

    chooseSaveFolder(m_dir.filePath(u"absent"_s));
    expectWarning(u"Répertoire invalide !"_s);
    click(u"terminer"_s);

    chooseSaveFolder(saveFolder());
    EXPECT_EQ(child<QLabel>(u"dossier"_s)->text(), saveFolder());
    m_wizard->goTo(0);
    type(u"Text_nom_menu"_s, QString());
    m_wizard->goTo(4);
    expectWarning(u"Vous devez donner un nom à votre menu (étape 1) !"_s);
    click(u"terminer"_s);
    EXPECT_EQ(child<QLabel>(u"dossier"_s)->text(), saveFolder() + u'/');

    type(u"Text_nom_menu"_s, u"../ailleurs"_s);
    expectWarning(u"Nom du projet invalide (étape1) !"_s);
    click(u"terminer"_s);
    EXPECT_TRUE(QDir(saveFolder()).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(u"ailleurs"_s)));

    QDir(saveFolder()).mkdir(u"Pris"_s);
    type(u"Text_nom_menu"_s, u"Pris"_s);
    expectWarning(u"Ce nom a déjà été utilisé dans ce répertoire ! (étape 1)"_s);
    click(u"terminer"_s);
    EXPECT_TRUE(QDir(saveFolder() + u"/Pris"_s).isEmpty());
    EXPECT_TRUE(m_opened.isEmpty());
    EXPECT_TRUE(m_wizard->isOpen());
}

TEST_F(WizardFinishWindowTest, AVanishedImageEndsTheFinishAndTheFolderStaysWithoutProject)
{
    m_wizard->goTo(2);
    addGraphicButton(u"parti"_s, QSize(20, 20));
    QFile::remove(sources() + u"/parti_c.bmp"_s);
    chooseSaveFolder(saveFolder());
    expectWarning(u"Erreur - Fichier introuvable"_s);
    click(u"terminer"_s);
    EXPECT_EQ(QDir(saveFolder() + u"/Sans Titre"_s).entryList(QDir::Files),
              (QStringList{u"parti_n.bmp"_s, u"parti_s.bmp"_s}));
    EXPECT_TRUE(m_opened.isEmpty());
    EXPECT_TRUE(m_wizard->isVisible());
}

TEST_F(WizardFinishWindowTest, AFinishedWizardWritesOpensAnnouncesAndClosesWithoutAsking)
{
    const QString previousFolder = QDir::currentPath();
    type(u"Text_nom_menu"_s, u"Démo"_s);
    click(u"contours"_s);
    click(u"suivant"_s);
    m_prompter.expectInput({u"Titre de message :"_s, kCaption, QString()}, u"Salut \"toi\""_s);
    m_prompter.expectInput({u"Message (tapez [R] pour aller à la ligne) :"_s, kCaption, QString()},
                           u"Ligne 1[R]Ligne \"2\""_s);
    click(u"demarrage_message"_s);
    click(u"suivant"_s);
    addGraphicButton(u"jouer"_s, QSize(90, 30));
    addGraphicButton(u"efface"_s, QSize(90, 30));
    addGraphicButton(u"quitter"_s, QSize(90, 40));
    addTextButton(u"Sans fonction"_s);
    selectButton(u"liste_boutons"_s, 1);
    m_prompter.expectMessage(u"Suppimer le bouton n°2 ?"_s, kCaption, MessageIcon::Question, MessageButtons::YesNo,
                             Answer::Yes);
    click(u"supprimer"_s);
    click(u"suivant"_s);
    selectButton(u"liste_fonctions"_s, 0);
    m_prompter.expectMessage(
        u"Voulez-vous ouvrir une page internet ? (cliquez sur non si vous voulez ouvrir un document ou un programme)."_s,
        kCaption, MessageIcon::Question, MessageButtons::YesNoCancel, Answer::No);
    m_prompter.expectMessage(u"Le fichier à ouvrir sera t'il sur le CD ?"_s, kCaption, MessageIcon::Question,
                             MessageButtons::YesNo, Answer::Yes);
    m_prompter.expectInput({u"Entrez le nom de ce fichier (ex: [LECT]:\\mon_prog.exe, [LECT]:\\mon_doc.doc , [LECT] sera "
                            u"alors automatiquement remplacé par la lettre du lecteur CD) :"_s,
                            kCaption, u"[LECT]:\\..."_s},
                           u"[LECT]:\\jeu \"1\".exe"_s);
    click(u"fonction_ouvrir"_s);
    selectButton(u"liste_fonctions"_s, 1);
    click(u"fonction_quitter"_s);
    click(u"suivant"_s);
    chooseSaveFolder(saveFolder());

    m_prompter.expectMessage(kSuccess, kCaption, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    click(u"terminer"_s);
    const QString folder = saveFolder() + u"/Démo"_s;
    EXPECT_EQ(m_opened, QStringList{folder + u"/Démo.zep"_s});
    EXPECT_EQ(QDir::currentPath(), folder);
    EXPECT_FALSE(m_wizard->isOpen());
    EXPECT_FALSE(m_wizard->isVisible());
    testfiles::expectGolden(u"wizard/assistant.zep"_s, testfiles::readBytes(folder + u"/Démo.zep"_s));
    EXPECT_TRUE(QFileInfo::exists(folder + u"/bouton4_normal.bmp"_s));
    QDir::setCurrent(previousFolder);
}
