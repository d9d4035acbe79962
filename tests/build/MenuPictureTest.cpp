#include "BuildFixtures.h"

#include "build/MenuPicture.h"
#include "project/MenuProject.h"
#include "support/ProjectSettingsEdit.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QColor at(const QImage &image, int x, int y)
{
    return image.pixelColor(x, y);
}

} // namespace

TEST(MenuPicture, DrawsTheMenuAsTheWorksheetShowsIt)
{
    QTemporaryDir dir;
    MenuProject project;
    buildfixtures::fillMenu(project, dir.path());
    // Button 1 (transparent, magenta key) at 10, 20 px; button 2 (opaque) at 40, 30 px.
    MenuText t = project.text(1);
    t.backColour = 0x00FFFF; // yellow
    t.left = 600;
    t.top = 150;
    t.width = 450;
    t.height = 300;
    t.flags = u"00"_s;
    project.setText(1, t);
    const int empty = project.addButton(ButtonKind::Code);
    MenuButton b = project.button(empty);
    b.left = 15;
    b.top = 600;
    project.setButton(empty, b);
    const int gone = project.addButton(ButtonKind::Code);
    b.normalImage = u"b2.bmp"_s;
    b.left = 900;
    b.top = 0;
    project.setButton(gone, b);
    project.deleteButton(gone);

    const QImage picture = MenuPicture(project, dir.path()).render();
    ASSERT_EQ(picture.size(), QSize(80, 60));
    EXPECT_EQ(at(picture, 79, 0), QColor(0, 0, 128)) << "background image stretched over the colour";

    EXPECT_EQ(at(picture, 10, 20), QColor(0, 0, 128)) << "key colour of a transparent button shows the background";
    EXPECT_EQ(at(picture, 25, 25), QColor(Qt::green));
    EXPECT_EQ(at(picture, 40, 30), QColor(255, 0, 255)) << "an opaque button keeps its key colour";
    EXPECT_EQ(at(picture, 55, 35), QColor(Qt::red));
    EXPECT_EQ(at(picture, 65, 5), QColor(0, 0, 128)) << "a deleted button is not drawn";

    EXPECT_EQ(at(picture, 1, 40), QColor(Qt::black)) << "an image-less button is a framed square";
    EXPECT_EQ(at(picture, 32, 40), QColor(Qt::black));
    EXPECT_EQ(at(picture, 10, 50), QColor(0, 0, 128));

    EXPECT_EQ(at(picture, 40, 10), QColor(0xA0, 0xA0, 0xA0)) << "sunken text box frame";
    EXPECT_EQ(at(picture, 41, 11), QColor(Qt::white));
    EXPECT_EQ(at(picture, 69, 29), QColor(Qt::white));
    EXPECT_EQ(at(picture, 68, 28), QColor(0xA0, 0xA0, 0xA0));
    EXPECT_EQ(at(picture, 67, 27), QColor(Qt::yellow)) << "text box back colour";
    bool red = false;
    for (int y = 11; y < 29; ++y) {
        for (int x = 41; x < 69; ++x) {
            const QColor c = at(picture, x, y);
            red = red || (c.red() > 128 && c.green() < 128 && c.blue() < 128);
        }
    }
    EXPECT_TRUE(red) << "the text is drawn in its colour";
}

TEST(MenuPicture, AGivenClientSizeWins)
{
    MenuProject project;
    projectsettings::set(project, &ProjectSettings::backgroundColour, 255);
    MenuPicture picture(project, QString());
    picture.setClientSize(QSize(120, 90));
    const QImage image = picture.render();
    EXPECT_EQ(image.size(), QSize(120, 90));
    EXPECT_EQ(at(image, 119, 89), QColor(Qt::red));
}
