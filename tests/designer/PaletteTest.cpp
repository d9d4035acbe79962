#include "SurfaceFixture.h"

#include "designer/worksheet/ButtonItem.h"
#include "designer/worksheet/TextItem.h"
#include "support/ProjectSettingsEdit.h"

#include <QAction>
#include <QLabel>
#include <QFile>
#include <QMenu>
#include <QPushButton>

using namespace Qt::StringLiterals;

TEST_F(SurfaceFixture, AddingButtonsAsksTheThreeImagesAndSelectsTheNewEntry)
{
    const QString normal = image(u"n.bmp"_s, {120, 40}, Qt::red);
    const QString hover = image(u"s.bmp"_s, {120, 40}, Qt::green);
    const QString clickImage = image(u"c.bmp"_s, {120, 40}, Qt::blue);

    EXPECT_EQ(addButton(ButtonKind::Code, normal, hover, clickImage), 1);
    const MenuButton &b = m_project.button(1);
    EXPECT_EQ(b.kind, ButtonKind::Code);
    EXPECT_EQ(b.normalImage, normal);
    EXPECT_EQ(b.hoverImage, hover);
    EXPECT_EQ(b.clickImage, clickImage);
    EXPECT_EQ(b.left, 200);
    EXPECT_EQ(b.top, 200);
    EXPECT_TRUE(b.code.contains(u"'Tapez ici le code VBS à exécuter quand le bouton 1 est préssé.\r\n"_s));
    EXPECT_EQ(m_document.selection().chosenCaption(), u"Bouton 1 (code)"_s);

    ButtonItem *item = m_worksheet.buttonItem(1);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isVisible());
    EXPECT_EQ(item->geometry(), QRect(13, 13, 120, 40)); // 200 twips, natural size
    EXPECT_EQ(item->pixmap().toImage().pixelColor(5, 5), QColor(Qt::red));
    EXPECT_TRUE(m_worksheet.waitPanel()->geometry().isValid());

    // A file that does not exist is stored as empty; a cancel keeps the images the
    // panel showed, those of the button selected before.
    EXPECT_EQ(addButton(ButtonKind::Multimedia, m_dir.filePath(u"absent.bmp"_s), QString(), QString()), 2);
    EXPECT_EQ(m_project.button(2).normalImage, QString());
    EXPECT_EQ(m_project.button(2).hoverImage, hover);
    EXPECT_EQ(m_project.button(2).clickImage, clickImage);
    EXPECT_EQ(m_project.button(2).code, QString());
    EXPECT_EQ(m_document.selection().captions(),
              (QStringList{u"Feuille de travail"_s, u"Bouton 1 (code)"_s, u"Bouton 2 (vidéo)"_s}));
    EXPECT_EQ(m_worksheet.childAt(20, 20), m_worksheet.buttonItem(2)) << "the newest item is in front";
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(SurfaceFixture, TheHundredthButtonIsRefusedDeletedOnesCounted)
{
    for (int i = 1; i <= 99; ++i)
        m_project.addButton(ButtonKind::Quit);
    m_project.deleteButton(3);
    m_prompter.expectMessage(u"Nombre maximum de bouton atteind !!!"_s, u"Erreur - trop de boutons :-)"_s,
                             MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    click(u"Multimédia"_s);
    EXPECT_EQ(m_project.buttonSlotsInUse(), 100);
    EXPECT_EQ(m_document.selection().chosenCaption(), u"Feuille de travail"_s);
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(SurfaceFixture, AddingTextsUsesTheTemplateAndNumbersOnward)
{
    click(u"Créer"_s);
    click(u"Créer"_s);
    m_project.deleteText(1);
    click(u"Créer"_s);
    EXPECT_EQ(m_project.text(3).text, u"Tapez ici le contenu du Texte 3"_s);
    EXPECT_EQ(m_document.selection().chosenCaption(), u"Texte 3"_s);
    TextItem *item = m_worksheet.textItem(3);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->toPlainText(), u"Tapez ici le contenu du Texte 3"_s);
    EXPECT_EQ(item->geometry(), QRect(13, 13, 193, 97)); // 2895 x 1455 twips
    EXPECT_FALSE(m_worksheet.textItem(1)->isVisible());
    EXPECT_EQ(item->toolTip(), u"Maj, Ctrl ou Alt + glisser pour déplacer - Clique droit pour redimensionner"_s);
}

TEST_F(SurfaceFixture, TransparencyMenuShowsAndRestoresTheImage)
{
    QMenu *menu = m_resources.transparencyMenu();
    QStringList captions;
    for (QAction *a : menu->actions())
        captions.append(a->isSeparator() ? u"-"_s : a->text());
    EXPECT_EQ(captions, (QStringList{u"Choisir une image..."_s, u"Voir l'image actuelle"_s,
                                     u"Ne pas utiliser la transparence"_s, u"Informations"_s, u"-"_s, u"Annuler"_s}));
    m_palette.show();

    m_prompter.expectMessage(u"Aucune image définie !"_s, QString(), MessageIcon::Exclamation, MessageButtons::Ok,
                             Answer::Ok);
    menu->actions()[1]->trigger();

    const QString picture = image(u"t.bmp"_s, {90, 70}, Qt::white);
    m_prompter.expectOpenFile(
        {u"Image pour la transparence..."_s, u"Fichier BMP ou GIF avec transparence | *.bmp;*.gif"_s, QString()},
        picture);
    menu->actions()[0]->trigger();
    EXPECT_EQ(m_project.settings().transparencyImage, picture);

    const QSize normal = m_palette.size();
    m_prompter.expectMessage(u"Cliquez sur l'image pour revenir"_s, QString(), MessageIcon::Information,
                             MessageButtons::Ok, Answer::Ok);
    menu->actions()[1]->trigger();
    EXPECT_TRUE(m_palette.imageArea()->isVisible());
    EXPECT_EQ(m_palette.size(), QSize(90, 70));
    mouse(m_palette.imageArea(), QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(m_palette.imageArea()->isVisible());
    EXPECT_EQ(m_palette.size(), normal);

    menu->actions()[2]->trigger();
    EXPECT_EQ(m_project.settings().transparencyImage, QString());
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(SurfaceFixture, ATransparencyImageThatCannotBeShownNeverLocksThePalette)
{
    QMenu *menu = m_resources.transparencyMenu();
    m_palette.show();
    const QSize normal = m_palette.size();
    const QString broken = m_dir.filePath(u"abime.bmp"_s);
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("pas une image");
    file.close();

    const struct
    {
        QString path;
        QString description;
    } cases[] = {{m_dir.filePath(u"absente.bmp"_s), u"Fichier introuvable"_s}, {broken, u"Image incorrecte"_s}};
    for (const auto &c : cases) {
        projectsettings::set(m_project, &ProjectSettings::transparencyImage, c.path);
        m_prompter.expectMessage(u"Impossible d'afficher l'image '"_s + c.path + u"' ("_s + c.description + u")"_s,
                                 u"Erreur !"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
        menu->actions()[1]->trigger();
        EXPECT_FALSE(m_palette.imageArea()->isVisible());
        EXPECT_EQ(m_palette.size(), normal);
        EXPECT_TRUE(m_palette.command(u"bouton_multimedia"_s)->isVisible());
    }

    // A tiny picture still leaves something to click.
    projectsettings::set(m_project, &ProjectSettings::transparencyImage, image(u"point.bmp"_s, {1, 1}, Qt::white));
    m_prompter.expectMessage(u"Cliquez sur l'image pour revenir"_s, QString(), MessageIcon::Information,
                             MessageButtons::Ok, Answer::Ok);
    menu->actions()[1]->trigger();
    EXPECT_GE(m_palette.imageArea()->width(), 16);
    EXPECT_GE(m_palette.imageArea()->height(), 16);
    mouse(m_palette.imageArea(), QEvent::MouseButtonPress, {8, 8}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(m_palette.size(), normal);
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(SurfaceFixture, EditorCommandCallsTheShapeEditor)
{
    int calls = 0;
    QObject::connect(&m_palette, &ObjectsPalette::shapeEditorRequested, [&] { ++calls; });
    click(u"Editeur"_s);
    EXPECT_EQ(calls, 1);
}
