#include "PanelFixture.h"

#include "designer/panel/ProjectPage.h"
#include "support/ProjectSettingsEdit.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kImageFilter = u"Images *.jpg, *.jpeg, *.gif, *.bmp, *.ico | *.jpg;*.jpeg;*.gif;*.bmp;*.ico"_s;
const QString kStartupPrompt =
    u"Nom du fichier à jouer au démarrage (par rapport au répertoire racine du futur CD) :"_s;
const QString kIntervalMessage = u"Valeur incorrect, elle doit etre entière est comprise entre 1 et 60000."_s;

} // namespace

using ProjectPageTest = PanelFixture;

TEST_F(ProjectPageTest, BackgroundImageIsChosenTypedAndCleared)
{
    const QString image = makeImage(u"fond.bmp"_s, {40, 30});
    m_prompter.expectOpenFile({u"Image de fond"_s, kImageFilter, {}}, image);
    click(u"ChoisirImageFond"_s);
    EXPECT_EQ(m_project.settings().backgroundImage, image);
    EXPECT_EQ(child<QLineEdit>(u"ImageFond"_s)->text(), image);

    m_prompter.expectOpenFile({u"Image de fond"_s, kImageFilter, {}}, QString());
    click(u"ChoisirImageFond"_s);
    EXPECT_EQ(m_project.settings().backgroundImage, image) << "a cancel changes nothing";

    m_prompter.expectOpenFile({u"Image de fond"_s, kImageFilter, {}}, m_dir.filePath(u"absent.jpg"_s));
    click(u"ChoisirImageFond"_s);
    EXPECT_EQ(m_project.settings().backgroundImage, QString()) << "a missing picture stores an empty path";

    type(u"ImageFond"_s, u"fond.bmp"_s);
    EXPECT_EQ(m_project.settings().backgroundImage, u"fond.bmp"_s);
    click(u"EffacerImageFond"_s);
    EXPECT_EQ(m_project.settings().backgroundImage, QString());
    EXPECT_EQ(child<QLineEdit>(u"ImageFond"_s)->text(), QString());
}

TEST_F(ProjectPageTest, SizeFieldsFollowTheWindowAndApplyNumbersOnly)
{
    m_project.setSize(9600, 7200);
    EXPECT_EQ(child<QLineEdit>(u"Largeur"_s)->text(), u"9600"_s);
    EXPECT_EQ(child<QLineEdit>(u"Hauteur"_s)->text(), u"7200"_s);

    type(u"Largeur"_s, u"6000"_s);
    type(u"Hauteur"_s, u"4500.5"_s);
    click(u"AppliquerTaille"_s);
    EXPECT_EQ(m_project.settings().width, 6000.0f);
    EXPECT_EQ(m_project.settings().height, 4500.5f);

    type(u"Largeur"_s, u"large"_s);
    expectError(u"Vous devez entrer des nombres valides !"_s);
    click(u"AppliquerTaille"_s);
    EXPECT_EQ(m_project.settings().width, 6000.0f);
}

TEST_F(ProjectPageTest, FullScreenDisablesTheSizeControls)
{
    click(u"PleinEcran"_s);
    EXPECT_EQ(m_project.settings().fullScreen, 1);
    for (const QString &name : {u"Largeur"_s, u"Hauteur"_s, u"AppliquerTaille"_s, u"AjusterImage"_s})
        EXPECT_FALSE(child(name)->isEnabled()) << name.toStdString();
    click(u"PleinEcran"_s);
    EXPECT_EQ(m_project.settings().fullScreen, 0);
    EXPECT_TRUE(child(u"AjusterImage"_s)->isEnabled());
}

TEST_F(ProjectPageTest, FitToTheBackgroundImageMakesTheClientAreaThePictureSize)
{
    m_project.setPath(m_dir.filePath(u"menu.zep"_s));
    makeImage(u"fond.bmp"_s, {320, 240});
    projectsettings::set(m_project, &ProjectSettings::backgroundImage, u"fond.bmp"_s);
    m_project.setSize(12000, 9000);
    click(u"AjusterImage"_s);
    const ProjectSettings &s = m_project.settings();
    EXPECT_NEAR(s.width / 15 - kFrameWidth, 320, 1.5);
    EXPECT_NEAR(s.height / 15 - kFrameHeight, 240, 1.5);
    EXPECT_EQ(child<QLineEdit>(u"Largeur"_s)->text().toFloat(), s.width);
}

TEST_F(ProjectPageTest, ZoomActsOnTheOuterSize)
{
    m_project.setSize(9600, 7200);
    click(u"ZoomMoins"_s);
    EXPECT_FLOAT_EQ(m_project.settings().width, 9120);
    EXPECT_FLOAT_EQ(m_project.settings().height, 6840);
    click(u"ZoomPlus"_s);
    EXPECT_NEAR(m_project.settings().width, 9600, 0.01);
    EXPECT_NEAR(m_project.settings().height, 7200, 0.01);
}

TEST_F(ProjectPageTest, CheckBoxesAndBackgroundColourAreStored)
{
    click(u"Contours"_s);
    EXPECT_EQ(m_project.settings().contours, 0);
    click(u"CurseurMain"_s);
    EXPECT_EQ(m_project.settings().handCursor, 0);
    click(u"MenuContextuel"_s);
    EXPECT_EQ(m_project.settings().contextMenu, 0);

    m_prompter.expectColour({16777215}, 255);
    click(u"CouleurFond"_s);
    EXPECT_EQ(m_project.settings().backgroundColour, 255);
    m_prompter.expectColour({255}, std::nullopt);
    click(u"CouleurFond"_s);
    EXPECT_EQ(m_project.settings().backgroundColour, 255);
}

TEST_F(ProjectPageTest, MusicAndIconChoosers)
{
    m_prompter.expectOpenFile(
        {u"Musique de fond..."_s, u"Son *.wav, *.mp3, *.mid, *.aif, *.wma | *.wav;*.mp3;*.mid;*.aif;*.wma"_s, {}},
        u"/cd/musique.mp3"_s);
    click(u"ChoisirMusique"_s);
    EXPECT_EQ(m_project.settings().backgroundMusic, u"/cd/musique.mp3"_s);
    click(u"EffacerMusique"_s);
    EXPECT_EQ(m_project.settings().backgroundMusic, QString());

    EXPECT_EQ(child<QLineEdit>(u"Icone"_s)->text(), u"(Icône par défaut)"_s);
    m_prompter.expectOpenFile({u"Icône du CD..."_s, u"Fichier icône *.ico | *.ico"_s, {}}, u"/cd/cd.ico"_s);
    click(u"ChoisirIcone"_s);
    EXPECT_EQ(m_project.settings().icon, u"/cd/cd.ico"_s);
    click(u"IconeParDefaut"_s);
    EXPECT_EQ(m_project.settings().icon, u"(Icone par défaut)"_s);
    EXPECT_EQ(child<QLineEdit>(u"Icone"_s)->text(), u"(Icone par défaut)"_s);
}

TEST_F(ProjectPageTest, TimerFrameFollowsTheCheckBox)
{
    EXPECT_FALSE(child(u"CadreMinuteur"_s)->isEnabled());
    click(u"Minuteur"_s);
    EXPECT_EQ(m_project.settings().timerEnabled, 1);
    EXPECT_TRUE(child(u"CadreMinuteur"_s)->isEnabled());
    EXPECT_EQ(child<QLineEdit>(u"Intervalle"_s)->text(), u"1000"_s);
}

TEST_F(ProjectPageTest, IntervalIsCheckedWhenTheFieldLosesTheFocus)
{
    click(u"Minuteur"_s);
    auto *interval = child<QLineEdit>(u"Intervalle"_s);
    auto *other = child<QLineEdit>(u"Musique"_s);
    const auto enter = [&](const QString &text) {
        type(u"Intervalle"_s, text);
        other->setFocus();
        return m_project.settings().timerInterval;
    };
    EXPECT_EQ(enter(u"2.7"_s), u"2"_s);
    EXPECT_EQ(interval->text(), u"2"_s);
    EXPECT_EQ(enter(u"-50"_s), u"50"_s);
    for (const QString &refused : {u"0.4"_s, u"70000"_s, u"vite"_s}) {
        m_prompter.expectMessage(kIntervalMessage, u"Minuteur"_s, MessageIcon::Critical, MessageButtons::Ok,
                                 Answer::Ok);
        EXPECT_EQ(enter(refused), u"1000"_s) << refused.toStdString();
        EXPECT_EQ(interval->text(), u"1000"_s);
    }
}

TEST_F(ProjectPageTest, ScriptButtonsAskForTheEditorWithTheirSlotAndCaption)
{
    click(u"ModifGlobal"_s);
    click(u"Minuteur"_s);
    click(u"ModifMinuteur"_s);
    click(u"ModifSurvolFenetre"_s);
    ASSERT_EQ(m_scripts->size(), 3);
    EXPECT_EQ(m_scripts->at(0).at(0).value<ScriptSlot>(), ScriptSlot::Global);
    EXPECT_EQ(m_scripts->at(0).at(1).toString(), u"Code VBS global"_s);
    EXPECT_EQ(m_scripts->at(1).at(0).value<ScriptSlot>(), ScriptSlot::Minuteur);
    EXPECT_EQ(m_scripts->at(1).at(1).toString(), u"Code VBS du minuteur"_s);
    EXPECT_EQ(m_scripts->at(2).at(0).value<ScriptSlot>(), ScriptSlot::SurvolFenetre);
    EXPECT_EQ(m_scripts->at(2).at(1).toString(), u"Actions au survol de la feuille"_s);

    m_prompter.expectMessage(
        u"Cela vous permet de définir des procédures et constantes que vous pourrez appeler dans tous les autres scripts VBS du projet (démarrage, boutons, minuteur...)."_s,
        u"Aide rapide"_s, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    click(u"AideGlobal"_s);
}

TEST_F(ProjectPageTest, StartupNothingEmptiesTheActionAndHidesModify)
{
    projectsettings::set(m_project, &ProjectSettings::startupAction, u"intro.avi"_s);
    EXPECT_EQ(child<QComboBox>(u"ActionDemarrage"_s)->currentIndex(), 1);
    EXPECT_EQ(child<QLabel>(u"ActionDemarrageTexte"_s)->text(), u"intro.avi"_s);
    EXPECT_TRUE(child(u"ModifActionDemarrage"_s)->isVisibleTo(m_panel.get()));
    chooseStartup(0);
    EXPECT_EQ(m_project.settings().startupAction, QString());
    EXPECT_EQ(child<QLabel>(u"ActionDemarrageTexte"_s)->text(), QString());
    EXPECT_FALSE(child(u"ModifActionDemarrage"_s)->isVisibleTo(m_panel.get()));
}

TEST_F(ProjectPageTest, StartupMultimediaFileIsAskedAndClearsCodeFirst)
{
    m_prompter.expectInput({kStartupPrompt, {}, QString()}, u"intro.avi"_s);
    chooseStartup(1);
    EXPECT_EQ(m_project.settings().startupAction, u"intro.avi"_s);
    EXPECT_EQ(child<QLabel>(u"ActionDemarrageTexte"_s)->text(), u"intro.avi"_s);

    m_prompter.expectInput({kStartupPrompt, {}, u"intro.avi"_s}, u"video\\intro.avi"_s);
    click(u"ModifActionDemarrage"_s);
    EXPECT_EQ(m_project.settings().startupAction, u"video\\intro.avi"_s);

    projectsettings::set(m_project, &ProjectSettings::startupAction, u"VBS:MsgBox 1"_s);
    m_prompter.expectInput({kStartupPrompt, {}, QString()}, QString());
    chooseStartup(1);
    EXPECT_EQ(m_project.settings().startupAction, QString()) << "code cleared, then the cancel stores nothing";
    EXPECT_EQ(child<QComboBox>(u"ActionDemarrage"_s)->currentIndex(), 1);
    EXPECT_TRUE(m_scripts->isEmpty());
}

TEST_F(ProjectPageTest, StartupScriptOpensTheEditor)
{
    chooseStartup(2);
    ASSERT_EQ(m_scripts->size(), 1);
    EXPECT_EQ(m_scripts->at(0).at(0).value<ScriptSlot>(), ScriptSlot::EditPrinc);
    EXPECT_EQ(m_scripts->at(0).at(1).toString(), u"Code VBS à exécuter au démarrage du projet"_s);
    EXPECT_EQ(child<QLabel>(u"ActionDemarrageTexte"_s)->text(), u"Code VBS :"_s);
    click(u"ModifActionDemarrage"_s);
    EXPECT_EQ(m_scripts->size(), 2);
}

TEST_F(ProjectPageTest, StartupSelectorFollowsAReadProjectSilently)
{
    ProjectContent read = m_project.content();
    read.settings.startupAction = u"VBS:MsgBox 1"_s;
    m_document.replaceProject(read, m_dir.filePath(u"lu.zep"_s));
    EXPECT_EQ(child<QComboBox>(u"ActionDemarrage"_s)->currentIndex(), 2);
    EXPECT_EQ(child<QLabel>(u"ActionDemarrageTexte"_s)->text(), u"Code VBS :"_s);
    EXPECT_EQ(m_project.settings().startupAction, u"VBS:MsgBox 1"_s);
    EXPECT_TRUE(m_scripts->isEmpty());
    EXPECT_FALSE(m_document.isModified());

    read.settings.startupAction = u"VBS:"_s;
    m_document.replaceProject(read, m_dir.filePath(u"lu.zep"_s));
    EXPECT_EQ(child<QComboBox>(u"ActionDemarrage"_s)->currentIndex(), 1) << "VBS: alone is a file name";

    m_project.reset();
    EXPECT_EQ(child<QComboBox>(u"ActionDemarrage"_s)->currentIndex(), 0);
}
