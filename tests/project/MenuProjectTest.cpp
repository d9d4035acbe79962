#include "project/MenuProject.h"
#include "support/ProjectSettingsEdit.h"

#include <QSignalSpy>

#include <functional>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(MenuProject, ResetEmptiesTheProjectAndKeepsTheWindowSize)
{
    MenuProject project;
    project.setSize(7000, 5000);
    project.addButton(ButtonKind::Code);
    project.addText();
    projectsettings::set(project, &ProjectSettings::backgroundColour, 0);
    project.setIcon(u"cd.ico"_s);
    project.setPath(u"/p/a.zep"_s);
    project.setShapeVertices({ShapePoint{1, 2}});
    project.setAuthor({u"a"_s, u"b"_s, u"c"_s, u"d"_s});

    QSignalSpy resets(&project, &MenuProject::projectReset);
    project.reset();

    EXPECT_EQ(resets.count(), 1);
    EXPECT_EQ(project.buttonSlotsInUse(), 1);
    EXPECT_EQ(project.textSlotsInUse(), 1);
    EXPECT_TRUE(project.button(1).kind == ButtonKind::None);
    EXPECT_TRUE(project.button(1).code.isEmpty());
    EXPECT_EQ(project.settings().width, 7000);
    EXPECT_EQ(project.settings().height, 5000);
    EXPECT_EQ(project.settings().backgroundColour, 16777215);
    EXPECT_EQ(project.settings().icon, u"(Icône par défaut)"_s);
    EXPECT_EQ(project.settings().timerInterval, u"1000"_s);
    EXPECT_EQ(project.settings().contours, 1);
    EXPECT_EQ(project.settings().handCursor, 1);
    EXPECT_EQ(project.settings().contextMenu, 1);
    EXPECT_TRUE(project.path().isEmpty());
    EXPECT_EQ(project.shapeVertexCount(), 0);
    EXPECT_EQ(project.author(), AuthorInfo{});
}

TEST(MenuProject, ALanguagePackWordsTheIconMarker)
{
    MenuProject project;
    project.setDefaultIconMarker(u"(Default icon)"_s);
    project.reset();
    EXPECT_EQ(project.settings().icon, u"(Default icon)"_s);
    EXPECT_TRUE(ProjectSettings::isIconMarker(u"(Icone par défaut)"_s));
    EXPECT_FALSE(ProjectSettings::isIconMarker(u"(cd.ico"_s));
}

TEST(MenuProject, ButtonsAreNumberedFromOneAndDeletedNumbersAreNeverReused)
{
    MenuProject project;
    EXPECT_EQ(project.addButton(ButtonKind::Multimedia), 1);
    for (int i = 2; i <= 12; ++i)
        project.addButton(ButtonKind::Quit);

    project.deleteButton(1);
    EXPECT_TRUE(project.button(1).isDeleted());
    project.deleteButton(12);
    EXPECT_EQ(project.addButton(ButtonKind::Code), 13);
}

TEST(MenuProject, NinetyNineButtonsIncludingDeletedOnesAreTheLimit)
{
    MenuProject project;
    for (int i = 1; i <= 99; ++i)
        ASSERT_EQ(project.addButton(ButtonKind::Quit), i);
    project.deleteButton(50);
    EXPECT_FALSE(project.canAddButton());
    EXPECT_EQ(project.addButton(ButtonKind::Quit), -1);
    EXPECT_EQ(project.buttonSlotsInUse(), 100);
}

TEST(MenuProject, CodeButtonsStartWithTheirNumberedTemplate)
{
    MenuProject project;
    project.addButton(ButtonKind::Quit);
    const int slot = project.addButton(ButtonKind::Code);
    const QString dashes = u'\'' + QString(78, u'-');
    EXPECT_EQ(project.button(slot).code,
              dashes + u"\r\n'Tapez ici le code VBS à exécuter quand le bouton 2 est préssé.\r\n"
                       u"'NOTE : toutes les occurences de [LECT] seront automatiquement\r\n"
                       u"'remplacées par la lettre du lecteur en cours.\r\n"
                       u"'Exemple MsgBox \"[LECT]:\\\" affiche d:\\ si d est le lecteur en cours...\r\n"_s
                  + dashes + u"\r\n"_s);
    EXPECT_TRUE(project.button(1).code.isEmpty());
}

TEST(MenuProject, TextsCopyTheTemplateAndDeletionMarksThem)
{
    MenuProject project;
    const int first = project.addText();
    EXPECT_EQ(first, 1);
    EXPECT_EQ(project.text(1).text, u"Tapez ici le contenu du Texte 1"_s);
    EXPECT_EQ(project.text(1).width, 2895);
    EXPECT_EQ(project.text(1).height, 1455);
    EXPECT_EQ(project.text(1).flags, project.text(0).flags);
    for (int i = 2; i <= 10; ++i)
        project.addText();

    project.deleteText(1);
    EXPECT_TRUE(project.text(1).isDeleted());
    EXPECT_FALSE(project.text(1).isStored());
    EXPECT_FALSE(project.text(1).visible);
    EXPECT_EQ(project.addText(), 11);

    // A text that reads like the old deletion mark is still the author's text.
    MenuText typed = project.text(2);
    typed.text = u"SUPPR"_s;
    project.setText(2, typed);
    EXPECT_TRUE(project.text(2).isStored());
}

TEST(MenuProject, ChangesAreSignalledOncePerRealChange)
{
    MenuProject project;
    QSignalSpy settings(&project, &MenuProject::settingChanged);
    QSignalSpy buttons(&project, &MenuProject::buttonChanged);
    projectsettings::set(project, &ProjectSettings::timerInterval, u"1000"_s);
    projectsettings::set(project, &ProjectSettings::timerInterval, u"500"_s);
    projectsettings::set(project, &ProjectSettings::timerInterval, u"500"_s);
    ASSERT_EQ(settings.count(), 1);
    EXPECT_EQ(settings.at(0).at(0).value<ProjectField>(), ProjectField::TimerInterval);

    const int slot = project.addButton(ButtonKind::Quit);
    buttons.clear();
    MenuButton b = project.button(slot);
    b.left = 400;
    project.setButton(slot, b);
    project.setButton(slot, b);
    ASSERT_EQ(buttons.count(), 1);
    EXPECT_EQ(buttons.at(0).at(1).value<ButtonFields>(), ButtonFields(ButtonField::Position));
    b.hoverImage = u"s.bmp"_s;
    b.code = u"MsgBox 1"_s;
    project.setButton(slot, b);
    EXPECT_EQ(buttons.at(1).at(1).value<ButtonFields>(), ButtonField::HoverImage | ButtonField::Code);
}

TEST(MenuProject, EveryValueOfAnItemBelongsToAField)
{
    using ButtonEdit = std::function<void(MenuButton &)>;
    for (const ButtonEdit &edit : std::initializer_list<ButtonEdit>{
             [](MenuButton &b) { b.left = 1; }, [](MenuButton &b) { b.top = 1; },
             [](MenuButton &b) { b.normalImage = u"n"_s; }, [](MenuButton &b) { b.hoverImage = u"s"_s; },
             [](MenuButton &b) { b.clickImage = u"c"_s; }, [](MenuButton &b) { b.kind = ButtonKind::Code; },
             [](MenuButton &b) { b.otherKind = u"autre"_s; }, [](MenuButton &b) { b.code = u"x"_s; },
             [](MenuButton &b) { b.hoverCode = u"x"_s; }, [](MenuButton &b) { b.transparent = true; },
             [](MenuButton &b) { b.transparentColour = 1; }}) {
        MenuButton changed;
        edit(changed);
        EXPECT_NE(itemfield::changed(MenuButton(), changed), ButtonFields());
    }
    using TextEdit = std::function<void(MenuText &)>;
    for (const TextEdit &edit : std::initializer_list<TextEdit>{
             [](MenuText &t) { t.text = u"x"_s; }, [](MenuText &t) { t.backColour = 1; },
             [](MenuText &t) { t.textColour = 1; }, [](MenuText &t) { t.fontName = u"x"_s; },
             [](MenuText &t) { t.fontSize = 1; }, [](MenuText &t) { t.bold = true; },
             [](MenuText &t) { t.italic = true; }, [](MenuText &t) { t.strikethrough = true; },
             [](MenuText &t) { t.underline = true; }, [](MenuText &t) { t.top = 1; }, [](MenuText &t) { t.left = 1; },
             [](MenuText &t) { t.width = 1; }, [](MenuText &t) { t.height = 1; },
             [](MenuText &t) { t.flags = u"11"_s; }, [](MenuText &t) { t.visible = false; },
             [](MenuText &t) { t.deleted = true; }}) {
        MenuText changed;
        edit(changed);
        EXPECT_NE(itemfield::changed(MenuText(), changed), TextFields());
    }
}
