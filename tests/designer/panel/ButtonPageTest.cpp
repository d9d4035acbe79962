#include "PanelFixture.h"

#include <QCheckBox>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kImageFilter = u"Images *.jpg, *.jpeg, *.gif, *.bmp, *.ico | *.jpg;*.jpeg;*.gif;*.bmp;*.ico"_s;
const QString kSoundFilter = u"Son WAV seulement | *.wav"_s;

} // namespace

class ButtonPageTest : public PanelFixture
{
protected:
    // Buttons 1 (code), 2 (vidéo), 3 (quitter); the last one is selected.
    void addButtons()
    {
        m_document.addButton(ButtonKind::Code);
        m_document.addButton(ButtonKind::Multimedia);
        m_document.addButton(ButtonKind::Quit);
    }
    bool shown(const QString &name) const { return child(name)->isVisibleTo(m_panel.get()); }
};

TEST_F(ButtonPageTest, KindDecidesTheSubPage)
{
    addButtons();
    choose(u"Bouton 1 (code)"_s);
    EXPECT_TRUE(shown(u"PageBouton"_s));
    EXPECT_FALSE(shown(u"PageProjet"_s));
    EXPECT_TRUE(shown(u"PageCode"_s));
    EXPECT_FALSE(shown(u"PageMultimedia"_s));
    choose(u"Bouton 2 (vidéo)"_s);
    EXPECT_TRUE(shown(u"PageMultimedia"_s));
    EXPECT_FALSE(shown(u"PageCode"_s));
    choose(u"Bouton 3 (quitter)"_s);
    EXPECT_FALSE(shown(u"PageMultimedia"_s));
    EXPECT_FALSE(shown(u"PageCode"_s));
}

TEST_F(ButtonPageTest, ImagesAreChosenAndStoredInTheButton)
{
    addButtons();
    choose(u"Bouton 1 (code)"_s);
    const QString normal = makeImage(u"normal.bmp"_s, {20, 10});
    m_prompter.expectOpenFile({u"Image normale"_s, kImageFilter, {}}, normal);
    click(u"ChoisirImageNormale"_s);
    EXPECT_EQ(m_project.button(1).normalImage, normal);
    EXPECT_EQ(child<QLineEdit>(u"ImageNormale"_s)->text(), normal);

    m_prompter.expectOpenFile({u"Image au survol"_s, kImageFilter, {}}, makeImage(u"survol.bmp"_s, {20, 10}));
    click(u"ChoisirImageSurvol"_s);
    EXPECT_EQ(m_project.button(1).hoverImage, m_dir.filePath(u"survol.bmp"_s));
    m_prompter.expectOpenFile({u"Image clique"_s, kImageFilter, {}}, m_dir.filePath(u"absent.gif"_s));
    click(u"ChoisirImageClique"_s);
    EXPECT_EQ(m_project.button(1).clickImage, QString());
    m_prompter.expectOpenFile({u"Image clique"_s, kImageFilter, {}}, QString());
    type(u"ImageClique"_s, u"clic.gif"_s);
    EXPECT_EQ(m_project.button(1).clickImage, u"clic.gif"_s);
    click(u"ChoisirImageClique"_s);
    EXPECT_EQ(m_project.button(1).clickImage, u"clic.gif"_s) << "a cancel changes nothing";

    choose(u"Bouton 2 (vidéo)"_s);
    EXPECT_EQ(child<QLineEdit>(u"ImageNormale"_s)->text(), QString());
    EXPECT_EQ(m_project.button(2).normalImage, QString());
}

TEST_F(ButtonPageTest, SoundsBelongToTheProjectAndStayAcrossButtons)
{
    addButtons();
    choose(u"Bouton 1 (code)"_s);
    m_prompter.expectOpenFile({u"Son 'survol'..."_s, kSoundFilter, {}}, u"/cd/survol.wav"_s);
    click(u"ChoisirSonSurvol"_s);
    m_prompter.expectOpenFile({u"Son 'clique'..."_s, kSoundFilter, {}}, u"/cd/clic.wav"_s);
    click(u"ChoisirSonClique"_s);
    choose(u"Bouton 3 (quitter)"_s);
    EXPECT_EQ(child<QLineEdit>(u"SonSurvol"_s)->text(), u"/cd/survol.wav"_s);
    EXPECT_EQ(child<QLineEdit>(u"SonClique"_s)->text(), u"/cd/clic.wav"_s);
    EXPECT_EQ(m_project.settings().hoverSound, u"/cd/survol.wav"_s);
    click(u"EffacerSonClique"_s);
    EXPECT_EQ(m_project.settings().clickSound, QString());
    EXPECT_EQ(m_project.settings().hoverSound, u"/cd/survol.wav"_s);
}

TEST_F(ButtonPageTest, PositionInTwipsAndInPixels)
{
    addButtons();
    choose(u"Bouton 2 (vidéo)"_s);
    m_prompter.expectInput({u"Entrez la nouvelle position X du bouton :"_s, {}, u"200"_s}, u"600"_s);
    m_prompter.expectInput({u"Entrez la nouvelle position Y du bouton :"_s, {}, u"200"_s}, u"750"_s);
    click(u"ModifPosition"_s);
    EXPECT_EQ(m_project.button(2).left, 600.0f);
    EXPECT_EQ(m_project.button(2).top, 750.0f);

    m_prompter.expectInput({u"Entrez la nouvelle position X du bouton (en pixel) :"_s, {}, u"40"_s}, u"10"_s);
    m_prompter.expectInput({u"Entrez la nouvelle position Y du bouton (en pixel) :"_s, {}, u"50"_s}, u"20"_s);
    click(u"ModifPositionPx"_s);
    EXPECT_EQ(m_project.button(2).left, 150.0f);
    EXPECT_EQ(m_project.button(2).top, 300.0f);

    m_prompter.expectInput({u"Entrez la nouvelle position X du bouton :"_s, {}, u"150"_s}, u"dix"_s);
    m_prompter.expectMessage(u"Valeur incorrect !"_s, u"Erreur !"_s, MessageIcon::Critical, MessageButtons::Ok,
                             Answer::Ok);
    click(u"ModifPosition"_s);
    m_prompter.expectInput({u"Entrez la nouvelle position X du bouton :"_s, {}, u"150"_s}, QString());
    click(u"ModifPosition"_s);
    EXPECT_EQ(m_project.button(2).left, 150.0f);
}

TEST_F(ButtonPageTest, ScriptButtonsNameTheButton)
{
    for (int i = 0; i < 11; ++i)
        m_document.addButton(ButtonKind::Quit);
    m_document.addButton(ButtonKind::Code);
    choose(u"Bouton 12 (code)"_s);
    EXPECT_EQ(m_document.selection().selectedButton(), 12);
    click(u"ModifCode"_s);
    click(u"ModifSurvolBouton"_s);
    ASSERT_EQ(m_scripts->size(), 2);
    EXPECT_EQ(m_scripts->at(0).at(0).value<ScriptSlot>(), ScriptSlot::Bouton);
    EXPECT_EQ(m_scripts->at(0).at(1).toString(), u"Code VBS sur bouton 12"_s);
    EXPECT_EQ(m_scripts->at(1).at(0).value<ScriptSlot>(), ScriptSlot::BoutonSurvol);
    EXPECT_EQ(m_scripts->at(1).at(1).toString(), u"Actions au survol du bouton 12"_s);
}

TEST_F(ButtonPageTest, TransparencyStateAndColourAreStoredTogether)
{
    addButtons();
    choose(u"Bouton 1 (code)"_s);
    click(u"TransparenceActivee"_s);
    EXPECT_TRUE(m_project.button(1).transparent);
    m_prompter.expectColour({0}, 65280);
    click(u"CouleurTransparente"_s);
    EXPECT_EQ(m_project.button(1).transparentColour, 65280);
    EXPECT_TRUE(m_project.button(1).transparent);
    click(u"TransparenceActivee"_s);
    EXPECT_FALSE(m_project.button(1).transparent);
    EXPECT_EQ(m_project.button(1).transparentColour, 65280);

    choose(u"Bouton 2 (vidéo)"_s);
    EXPECT_FALSE(child<QCheckBox>(u"TransparenceActivee"_s)->isChecked());
    choose(u"Bouton 1 (code)"_s);
    m_prompter.expectColour({65280}, std::nullopt);
    click(u"CouleurTransparente"_s);
    EXPECT_EQ(m_project.button(1).transparentColour, 65280);

    m_prompter.expectMessage(
        u"Permet de rendre transparent tous les pixels de la couleur sélectionnée, en mode édition, votre bouton ne changera pas (vous pouvez quand même obtenir un aperçu en cliquant sur 'Aperçu rapide'), donc, pour tester correctement cette fonctionnalité, après avoir mis en place vos boutons cliquez sur Tester le projet dans le menu Créer."_s,
        u"Transparence des boutons"_s, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    click(u"InfosTransparence"_s);
}

TEST_F(ButtonPageTest, QuickPreviewShowsTheTransparentLookOnlyWhenActiveAndWritesNothing)
{
    m_project.setPath(m_dir.filePath(u"menu.zep"_s));
    makeImage(u"btn.gif"_s, {10, 10}, Qt::green);
    addButtons();
    MenuButton b = m_project.button(1);
    b.normalImage = b.hoverImage = b.clickImage = u"btn.gif"_s;
    b.transparentColour = 65280;
    m_project.setButton(1, b);
    choose(u"Bouton 1 (code)"_s);
    QSignalSpy previews(m_panel.get(), &ParametersPanel::transparencyPreviewed);

    click(u"ApercuRapide"_s);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(u"btn.gif_transp.bmp"_s)));
    EXPECT_TRUE(previews.isEmpty());

    click(u"TransparenceActivee"_s);
    click(u"ApercuRapide"_s);
    EXPECT_FALSE(QFile::exists(m_dir.filePath(u"btn.gif_transp.bmp"_s))) << "nothing beside the author's images";
    ASSERT_EQ(previews.size(), 1);
    const QImage normal = previews.at(0).at(1).value<QImage>();
    EXPECT_EQ(normal.size(), QSize(10, 10));
    EXPECT_EQ(normal.pixel(5, 5), QColor(Qt::white).rgb()) << "the key colour shows the white background";
}

TEST_F(ButtonPageTest, MultimediaFieldIsStoredAtEveryChangeAndPlacedFromTheMenu)
{
    addButtons();
    choose(u"Bouton 2 (vidéo)"_s);
    type(u"FichierMultimedia"_s, u"film.avi"_s);
    EXPECT_EQ(m_project.button(2).code, u"film.avi"_s);

    click(u"PlacerMultimedia"_s);
    auto *menu = child<QMenu>(u"MenuPlacementMultimedia"_s);
    ASSERT_TRUE(menu->isVisible());
    const QList<QAction *> entries = menu->actions();
    ASSERT_EQ(entries.size(), 5);
    EXPECT_EQ(entries[0]->text(), u"Le fichier sera dans le répertoire racine du CD"_s);
    EXPECT_EQ(entries[1]->text(), u"Le fichier sera dans un (ou des) répertoire(s) du CD"_s);
    EXPECT_EQ(entries[2]->text(), u"Le fichier sera la où il est actuellement"_s);
    EXPECT_TRUE(entries[3]->isSeparator());
    EXPECT_EQ(entries[4]->text(), u"Annuler"_s);
    menu->hide();

    const FileRequest request{u"Recherche d'un fichier multimédia..."_s, u"Fichier multimédia (*.*) | *.*"_s, {}};
    m_prompter.expectOpenFile(request, u"/videos/clip.avi"_s);
    m_prompter.expectInput(
        {u"Entrez le nom du (ou des) répertoire(s) (exemple : monrep1 ou monrep1\\monrep2\\monrep3... ) :"_s, {}, {}},
        u"monrep1\\monrep2"_s);
    entries[1]->trigger();
    EXPECT_EQ(m_project.button(2).code, u"monrep1\\monrep2\\clip.avi"_s);

    m_prompter.expectOpenFile(request, u"/videos/clip.avi"_s);
    m_prompter.expectInput(
        {u"Entrez le nom du (ou des) répertoire(s) (exemple : monrep1 ou monrep1\\monrep2\\monrep3... ) :"_s, {}, {}},
        QString());
    entries[1]->trigger();
    EXPECT_EQ(m_project.button(2).code, u"monrep1\\monrep2\\clip.avi"_s) << "an empty folder answer changes nothing";

    m_prompter.expectOpenFile(request, u"/videos/clip.avi"_s);
    entries[0]->trigger();
    EXPECT_EQ(m_project.button(2).code, u"clip.avi"_s);
    m_prompter.expectOpenFile(request, u"/videos/clip.avi"_s);
    entries[2]->trigger();
    EXPECT_EQ(m_project.button(2).code, u"/videos/clip.avi"_s);
    m_prompter.expectOpenFile(request, QString());
    entries[0]->trigger();
    EXPECT_EQ(m_project.button(2).code, u"/videos/clip.avi"_s);

    m_prompter.expectMessage(
        u"Nom du fichier multimédia (avi, mp3...) à lire (par rapport au répertoire racine du future CD-R). Exemple : mon_divx.avi ou ma_playlist.m3u"_s,
        u"[?]"_s, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    click(u"AideMultimedia"_s);

    const QString code = m_project.button(1).code;
    choose(u"Bouton 1 (code)"_s);
    EXPECT_EQ(m_project.button(1).code, code) << "a code button's script is not the multimedia field";
}
