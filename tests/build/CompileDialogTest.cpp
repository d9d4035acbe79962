#include "BuildFixtures.h"

#include "build/TransparencyRenderer.h"
#include "build/gui/CompileDialog.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class CompileDialogTest : public ::testing::Test
{
protected:
    CompileDialogTest()
    {
        buildfixtures::fillMenu(m_project, m_dir.filePath(u"projet"_s));
        QDir().mkpath(m_dir.filePath(u"cd"_s));
        TransparencyRenderer(m_project, m_dir.filePath(u"projet"_s)).prepareForBuild();
    }

    template <typename T> T *field(CompileDialog &dialog, const QString &name)
    {
        T *widget = dialog.findChild<T *>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    QTemporaryDir m_dir;
    MenuProject m_project;
    ScriptedPrompter m_prompter;
};

} // namespace

TEST_F(CompileDialogTest, FieldsStartFromTheProjectAndTheSubMenuBoxSwitchesTheOthers)
{
    CompileDialog dialog(m_project, m_dir.filePath(u"projet/"_s), m_prompter, testfiles::programPath(QString()));
    EXPECT_EQ(dialog.objectName(), u"Form6"_s);
    EXPECT_EQ(dialog.windowTitle(), u"Création pour graver"_s);
    EXPECT_EQ(field<QLineEdit>(dialog, u"repertoire"_s)->text(), QString());
    EXPECT_EQ(field<QLineEdit>(dialog, u"nom_projet"_s)->text(), u"menu"_s);
    EXPECT_EQ(field<QLineEdit>(dialog, u"auteur_projet"_s)->text(), u"Zoé Auteur (zoe@example.org)"_s);
    EXPECT_EQ(field<QLabel>(dialog, u"etat"_s)->text(), u"En attente de validation du répertoire..."_s);
    EXPECT_EQ(field<QLabel>(dialog, u"etape"_s)->text(), QString());
    EXPECT_FALSE(field<QLabel>(dialog, u"icone"_s)->pixmap().isNull());
    auto *light = field<QCheckBox>(dialog, u"leger"_s);
    auto *sub = field<QCheckBox>(dialog, u"sous_menu"_s);
    auto *subName = field<QLineEdit>(dialog, u"nom_sous_menu"_s);
    EXPECT_FALSE(light->isChecked());
    EXPECT_FALSE(sub->isChecked());
    EXPECT_EQ(subName->text(), u"SousMenu1"_s);
    EXPECT_FALSE(subName->isEnabled());

    sub->click();
    EXPECT_TRUE(subName->isEnabled());
    EXPECT_FALSE(light->isEnabled());
    sub->click();
    EXPECT_FALSE(subName->isEnabled());
    EXPECT_TRUE(light->isEnabled());

    MenuProject unnamed;
    CompileDialog fresh(unnamed, QString(), m_prompter, testfiles::programPath(QString()));
    EXPECT_EQ(field<QLineEdit>(fresh, u"nom_projet"_s)->text(), u"Projet1"_s);
    EXPECT_EQ(field<QLineEdit>(fresh, u"auteur_projet"_s)->text(), QString());
}

TEST_F(CompileDialogTest, BrowseAndInfosGoThroughThePrompter)
{
    CompileDialog dialog(m_project, m_dir.filePath(u"projet/"_s), m_prompter, testfiles::programPath(QString()));
    m_prompter.expectFolder({u"Choisissez le dossier dans lequel votre menu sera compilé :"_s},
                            u"/media/cd"_s + QChar(0) + u"reste"_s);
    dialog.browse();
    EXPECT_EQ(field<QLineEdit>(dialog, u"repertoire"_s)->text(), u"/media/cd"_s);
    m_prompter.expectFolder({u"Choisissez le dossier dans lequel votre menu sera compilé :"_s}, QString());
    dialog.browse();
    EXPECT_EQ(field<QLineEdit>(dialog, u"repertoire"_s)->text(), u"/media/cd"_s);

    m_prompter.expectMessage(
        u"Si vous cochez cette case, votre menu compilé fera environ 900Ko au lieu de 4.5Mo en temps normal. Mais pour "
        u"qu'il fonctionne il faut que les ordinateurs sur lesquels il sera exécuté possèdent les fichiers suivants "
        u"dans le répertoire WINDOWS\\SYSTEM : \n- Asycfilt.dll\n- Comcat.dll\n- Msvbvm60.dll\n- Oleaut32.dll\n"
        u"- Vb6fr.dll\n- Olepro32.dll\n- Stdole.tlb\n- Msdxm.ocx\n- Msscript.ocx\n- Msscrfr.dll\n- Msscript.cnt\n"
        u"Note : Ne cochez que si vous manquez vraiment d'espace."_s,
        u"Aide rapide"_s, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    emit field<QLabel>(dialog, u"infos"_s)->linkActivated(u"#"_s);
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(CompileDialogTest, ValiderCompilesShowsTheReportAndKeepsTheFieldsDisabled)
{
    CompileDialog dialog(m_project, m_dir.filePath(u"projet/"_s), m_prompter, testfiles::programPath(QString()));
    const QString cd = m_dir.filePath(u"cd"_s);
    field<QLineEdit>(dialog, u"repertoire"_s)->setText(cd);
    QTest::mouseClick(field<QPushButton>(dialog, u"valider"_s), Qt::LeftButton);
    EXPECT_FALSE(dialog.compileFailed());
    EXPECT_EQ(field<QLineEdit>(dialog, u"repertoire"_s)->text(), cd + u'/');
    EXPECT_EQ(field<QLabel>(dialog, u"instructions"_s)->text(),
              u"Compilation terminée :\n\nVous pouvez fermer cette fenêtre et graver à partir du répertoire "_s + cd +
                  u"/ vers la racine du CD-R (et n'oubliez pas de graver votre (vos) fichier(s) multimédia(s) !)."_s);
    EXPECT_EQ(field<QLabel>(dialog, u"etat"_s)->text(), u"Terminé."_s);
    EXPECT_EQ(field<QLabel>(dialog, u"etat"_s)->styleSheet(), u"color: #0000ff;"_s);
    EXPECT_EQ(field<QLabel>(dialog, u"etape"_s)->text(), QString());
    for (const QString &name : {u"valider"_s, u"repertoire"_s, u"nom_projet"_s, u"auteur_projet"_s, u"leger"_s})
        EXPECT_FALSE(dialog.findChild<QWidget *>(name)->isEnabled()) << name.toStdString();
    EXPECT_TRUE(QFileInfo::exists(cd + u"/zep/autorun.exe"_s));
}

TEST_F(CompileDialogTest, TheFailurePathEnablesTheFieldsAgain)
{
    MenuButton b = m_project.button(2);
    b.clickImage = u"absent.bmp"_s;
    m_project.setButton(2, b);
    CompileDialog dialog(m_project, m_dir.filePath(u"projet/"_s), m_prompter, testfiles::programPath(QString()));
    field<QLineEdit>(dialog, u"repertoire"_s)->setText(m_dir.filePath(u"cd/"_s));
    m_prompter.expectMessage(u"Erreur durant la compilation ! (Fichier introuvable : "_s +
                                 m_dir.filePath(u"projet/absent.bmp"_s) + u')',
                             u"Erreur"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    dialog.compile();
    EXPECT_TRUE(dialog.compileFailed());
    EXPECT_EQ(field<QLabel>(dialog, u"etat"_s)->text(), u"Dossier OK. Copie des fichiers :"_s);
    EXPECT_EQ(field<QLabel>(dialog, u"etat"_s)->styleSheet(), u"color: #0000ff;"_s);
    for (const QString &name : {u"valider"_s, u"repertoire"_s, u"nom_projet"_s, u"auteur_projet"_s, u"leger"_s})
        EXPECT_TRUE(dialog.findChild<QWidget *>(name)->isEnabled()) << name.toStdString();
}

TEST_F(CompileDialogTest, ASecondCompilationAsksBeforeReplacingTheFirst)
{
    const QString cd = m_dir.filePath(u"cd/"_s);
    const auto compileInto = [&](std::optional<Answer> answer) {
        CompileDialog dialog(m_project, m_dir.filePath(u"projet/"_s), m_prompter, testfiles::programPath(QString()));
        field<QLineEdit>(dialog, u"repertoire"_s)->setText(cd);
        if (answer) {
            m_prompter.expectMessage(
                {u"Dans le répertoire '"_s + cd + u"' un projet ZEP a déjà été compilé. Voulez-vous le remplacer ?"_s,
                 u"Compilation"_s, MessageIcon::Question, MessageButtons::YesNo, 2, false},
                *answer);
        }
        dialog.compile();
        EXPECT_TRUE(m_prompter.allAnswered());
        EXPECT_FALSE(dialog.compileFailed());
        return field<QPushButton>(dialog, u"valider"_s)->isEnabled();
    };
    EXPECT_FALSE(compileInto(std::nullopt));
    buildfixtures::writeFile(cd + u"zep/ancien.txt"_s, "ancien");

    // Declined, nothing is touched and the author may pick another folder.
    EXPECT_TRUE(compileInto(Answer::No));
    EXPECT_TRUE(QFileInfo::exists(cd + u"zep/ancien.txt"_s));

    EXPECT_FALSE(compileInto(Answer::Yes));
    EXPECT_FALSE(QFileInfo::exists(cd + u"zep/ancien.txt"_s));
    EXPECT_TRUE(QFileInfo::exists(cd + u"zep/autorun.exe"_s));
}

TEST_F(CompileDialogTest, AFolderNotThereYetIsOfferedForCreationBeforeBeingRefused)
{
    const QString cd = m_dir.filePath(u"nouveau/cd"_s);
    const auto compileInto = [&](Answer answer) {
        CompileDialog dialog(m_project, m_dir.filePath(u"projet/"_s), m_prompter, testfiles::programPath(QString()));
        field<QLineEdit>(dialog, u"repertoire"_s)->setText(cd);
        m_prompter.expectMessage({u"Le dossier "_s + cd + u" n'existe pas. Le créer ?"_s, u"Compilation"_s,
                                  MessageIcon::Question, MessageButtons::YesNo, 1, false},
                                 answer);
        if (answer == Answer::No)
            m_prompter.expectMessage(u"Répertoire incorrect !"_s, u"Erreur !"_s, MessageIcon::Critical,
                                     MessageButtons::Ok, Answer::Ok);
        dialog.compile();
        EXPECT_TRUE(m_prompter.allAnswered());
        return dialog.compileFailed();
    };
    EXPECT_TRUE(compileInto(Answer::No));
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(u"nouveau"_s))) << "declined, nothing is made";

    EXPECT_FALSE(compileInto(Answer::Yes));
    EXPECT_TRUE(QFileInfo::exists(cd + u"/zep/autorun.exe"_s));
}

TEST_F(CompileDialogTest, TheDialogOpensCentredOnItsWindowAndOnTheScreen)
{
    QWidget main;
    main.setGeometry(50, 250, 700, 41);
    CompileDialog dialog(m_project, m_dir.filePath(u"projet/"_s), m_prompter, testfiles::programPath(QString()), &main);
    dialog.centreOn(&main);
    EXPECT_NEAR(dialog.frameGeometry().center().x(), main.frameGeometry().center().x(), 1);
    EXPECT_NEAR(dialog.frameGeometry().center().y(), main.frameGeometry().center().y(), 1);

    // A main window at the top of the screen: the dialog's title bar stays on it.
    main.move(50, 0);
    dialog.centreOn(&main);
    EXPECT_EQ(dialog.frameGeometry().top(), 0);
    EXPECT_NEAR(dialog.frameGeometry().center().x(), main.frameGeometry().center().x(), 1);
}
