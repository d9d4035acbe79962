#include "PanelFixture.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTest>

using namespace Qt::StringLiterals;

using PanelSelectionTest = PanelFixture;

TEST_F(PanelSelectionTest, ChooserListsTheModelAndChoosingSelects)
{
    auto *chooser = child<QComboBox>(u"Combo1"_s);
    EXPECT_EQ(chooser->count(), 1);
    EXPECT_EQ(chooser->itemText(0), u"Feuille de travail"_s);
    m_document.addButton(ButtonKind::Multimedia);
    m_document.addText();
    EXPECT_EQ(chooser->count(), 3);
    EXPECT_EQ(chooser->currentText(), u"Texte 1"_s) << "a new item is selected";
    EXPECT_TRUE(child(u"PageTexte"_s)->isVisibleTo(m_panel.get()));

    choose(u"Bouton 1 (vidéo)"_s);
    EXPECT_EQ(m_document.selection().chosenCaption(), u"Bouton 1 (vidéo)"_s);
    EXPECT_EQ(m_document.selection().selectedButton(), 1);
    EXPECT_TRUE(child(u"PageBouton"_s)->isVisibleTo(m_panel.get()));
    EXPECT_FALSE(child(u"PageTexte"_s)->isVisibleTo(m_panel.get()));

    choose(u"Feuille de travail"_s);
    EXPECT_TRUE(child(u"PageProjet"_s)->isVisibleTo(m_panel.get()));
    EXPECT_FALSE(child(u"PageBouton"_s)->isVisibleTo(m_panel.get()));

    m_project.reset();
    EXPECT_EQ(chooser->count(), 1);
    EXPECT_TRUE(child(u"PageProjet"_s)->isVisibleTo(m_panel.get()));
}

TEST_F(PanelSelectionTest, PanelIs2985TwipsWideAndScrollsBy500Twips)
{
    EXPECT_EQ(m_panel->width(), 199);
    m_panel->resize(400, 300);
    EXPECT_EQ(m_panel->width(), 199);

    QScrollBar *bar = m_panel->scrollBar();
    QWidget *frame = m_panel->pagesFrame();
    EXPECT_EQ(bar->maximum(), int(frame->height() * 15 / 500));
    EXPECT_EQ(bar->y() + bar->height(), m_panel->height() - 3) << "50 twips below the scroll bar";
    const int top = frame->y();
    bar->setValue(2);
    EXPECT_NEAR(frame->y(), top - 1000 / 15.0, 1.0);
}

TEST_F(PanelSelectionTest, PrepareForBuildSelectsTheProjectAndWritesNothing)
{
    m_project.setPath(m_dir.filePath(u"menu.zep"_s));
    makeImage(u"a.bmp"_s, {8, 8});
    makeImage(u"b.bmp"_s, {8, 8});
    for (const QString &image : {u"a.bmp"_s, u"b.bmp"_s}) {
        const int slot = m_document.addButton(ButtonKind::Code);
        MenuButton b = m_project.button(slot);
        b.normalImage = b.hoverImage = b.clickImage = image;
        b.transparent = image == u"a.bmp"_s;
        m_project.setButton(slot, b);
    }
    m_panel->prepareForBuild();
    EXPECT_EQ(m_document.selection().currentIndex(), 0);
    EXPECT_TRUE(child(u"PageProjet"_s)->isVisibleTo(m_panel.get()));
    // The build makes the companions in its own folder, never beside the author's images.
    EXPECT_FALSE(QFile::exists(m_dir.filePath(u"a.bmp_transp.bmp"_s)));
    EXPECT_FALSE(QFile::exists(m_dir.filePath(u"b.bmp_transp.bmp"_s)));
}

// ZEP_PANEL_SCREENSHOTS=folder saves the panel on each page, for a look.
TEST_F(PanelSelectionTest, Screenshots)
{
    const QString folder = qEnvironmentVariable("ZEP_PANEL_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP();
    m_panel->resize(m_panel->width(), 900);
    m_document.addButton(ButtonKind::Multimedia);
    m_document.addText();
    const auto save = [&](const QString &entry, const QString &name) {
        choose(entry);
        QTest::qWait(20);
        m_panel->grab().save(QDir(folder).filePath(name));
    };
    save(u"Feuille de travail"_s, u"panel-project.png"_s);
    save(u"Bouton 1 (vidéo)"_s, u"panel-button.png"_s);
    save(u"Texte 1"_s, u"panel-text.png"_s);
}
