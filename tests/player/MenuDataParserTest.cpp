#include "player/core/MenuDataParser.h"
#include "build/MenuDataWriter.h"
#include "player/core/Cp1252Text.h"
#include "player/core/PlayerLaunch.h"
#include "project/MenuProject.h"
#include "support/ProjectSettingsEdit.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray blockOf(const MenuProject &project, const QString &name = u"Nom"_s, const QString &author = u"Moi"_s)
{
    return MenuDataWriter::dataBlock(MenuDataWriter(project).lines(name, author));
}

std::string_view view(const QByteArray &bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

void fill(MenuProject &project)
{
    project.setSize(9000, 6000);
    projectsettings::set(project, &ProjectSettings::contours, 0);
    projectsettings::set(project, &ProjectSettings::backgroundImage, u"C:\\img\\fond.jpg"_s);
    projectsettings::set(project, &ProjectSettings::startupAction, u"VBS:MsgBox \"€\"\r\nFin"_s);
    projectsettings::set(project, &ProjectSettings::backgroundColour, 255);
    projectsettings::set(project, &ProjectSettings::contextMenu, 0);
    projectsettings::set(project, &ProjectSettings::timerEnabled, 1);
    projectsettings::set(project, &ProjectSettings::timerInterval, u"250"_s);
    projectsettings::set(project, &ProjectSettings::handCursor, 0);
    const int slot = project.addButton(ButtonKind::Multimedia);
    MenuButton b = project.button(slot);
    b.left = -15;
    b.top = 300.5f;
    b.normalImage = u"n.bmp"_s;
    b.hoverImage = u"h.bmp"_s;
    b.clickImage = u"c.bmp"_s;
    b.code = u"[LECT]:\\films\\a.avi"_s;
    b.transparent = true;
    b.transparentColour = 16711935;
    project.setButton(slot, b);
    const int text = project.addText();
    MenuText t = project.text(text);
    t.text = u"Ligne 1\r\nLigne 2"_s;
    t.fontName = u"DejaVu Sans"_s;
    t.fontSize = 12.5;
    t.italic = true;
    t.flags = u"10"_s;
    project.setText(text, t);
    project.setShapeVertices({{0, 0}, {600, -3}, {300, 450}});
}

} // namespace

TEST(MenuDataParserTest, ReadsBackEverythingTheCompilationWrites)
{
    MenuProject project;
    fill(project);
    const QByteArray file = QByteArray("\x7f"
                                       "ELF player bytes") +
                            blockOf(project, u"Démo"_s, u"Zoé"_s);

    MenuModel menu;
    MenuDataParser parser;
    ASSERT_TRUE(parser.parseFile(view(file), menu)) << parser.error();
    EXPECT_EQ(menu.formatLine, "FICHIER DAT COMPATIBLE ZEP V2.0");
    EXPECT_EQ(menu.backgroundImage, "fond.jpg");
    EXPECT_FALSE(menu.fullScreen);
    EXPECT_EQ(menu.width, 9000);
    EXPECT_EQ(menu.height, 6000);
    EXPECT_FALSE(menu.contours);
    EXPECT_EQ(menu.projectName, "Démo");
    EXPECT_EQ(menu.author, "Zoé");
    EXPECT_TRUE(menu.startupIsScript());
    EXPECT_EQ(menu.startupScript(), "MsgBox \"€\"\r\nFin");
    EXPECT_EQ(menu.backgroundColour, 255);
    EXPECT_FALSE(menu.contextMenu);
    EXPECT_TRUE(menu.timerEnabled);
    EXPECT_EQ(menu.timerInterval, 250);
    EXPECT_FALSE(menu.handCursor);

    ASSERT_EQ(menu.buttons.size(), 1u);
    const MenuModel::Button &b = menu.buttons[0];
    EXPECT_EQ(b.number, 1);
    EXPECT_EQ(b.left, -15);
    EXPECT_EQ(b.top, 300.5);
    EXPECT_EQ(b.normalImage, "n.bmp_transp.bmp");
    EXPECT_EQ(b.kind, ButtonKind::Multimedia);
    EXPECT_EQ(b.code, "[LECT]:\\films\\a.avi");
    EXPECT_TRUE(b.transparent);
    EXPECT_EQ(b.transparentColour, 16711935);

    ASSERT_EQ(menu.texts.size(), 1u);
    const MenuModel::Text &t = menu.texts[0];
    EXPECT_EQ(t.text, "Ligne 1\r\nLigne 2");
    EXPECT_EQ(t.fontName, "DejaVu Sans");
    EXPECT_EQ(t.fontSize, 12.5);
    EXPECT_TRUE(t.italic);
    EXPECT_FALSE(t.bold);
    EXPECT_TRUE(t.scrollBar);
    EXPECT_FALSE(t.readOnly);

    ASSERT_EQ(menu.shape.size(), 3u);
    EXPECT_EQ(menu.shape[1].x, 600);
    EXPECT_EQ(menu.shape[1].y, -3);
}

TEST(MenuDataParserTest, FullScreenAndTheLastOfSeveralBlocksWin)
{
    MenuProject first;
    MenuProject second;
    projectsettings::set(second, &ProjectSettings::fullScreen, 1);
    const QByteArray file = blockOf(first, u"Premier"_s) + blockOf(second, u"Second"_s);
    MenuModel menu;
    MenuDataParser parser;
    ASSERT_TRUE(parser.parseFile(view(file), menu)) << parser.error();
    EXPECT_EQ(menu.projectName, "Second");
    EXPECT_TRUE(menu.fullScreen);
    EXPECT_TRUE(menu.buttons.empty());
}

TEST(MenuDataParserTest, AMarkerInThePlayersOwnBytesIsNotData)
{
    MenuModel menu;
    MenuDataParser parser;
    EXPECT_FALSE(parser.parseFile(view(QByteArray("code (debut)\xAC"
                                                  "constante\0 code",
                                                  28)),
                                  menu));
    EXPECT_EQ(parser.error(), "aucune donnée de menu n'est attachée à ce programme");

    MenuProject project;
    const QByteArray file = QByteArray("(debut)\xAC"
                                       "x") +
                            blockOf(project);
    EXPECT_TRUE(parser.parseFile(view(file), menu)) << parser.error();
}

TEST(MenuDataParserTest, BadDataIsRefusedWithAReason)
{
    MenuProject project;
    fill(project);
    const QByteArray good = blockOf(project);

    struct Case
    {
        QByteArray data;
        std::string error;
    };
    const Case cases[] = {
        {good.left(good.indexOf("[ParamsPlus]")), "en-tête [ParamsPlus] attendu au champ 10"},
        {QByteArray(good).replace(" 9000 ", "neuf"), "nombre attendu au champ 4 : « neuf »"},
        {QByteArray(good).replace("[Autre]", "[Autres]"), "en-tête [Autre] attendu au champ 21"},
        {QByteArray(good).replace("X=600", "X=6a0"), "sommet de forme incorrect au champ 72"},
        {QByteArray(good).replace("[/FormeMenu]", "[/Forme]"), "sommet de forme incorrect au champ 76"},
        {QByteArray(good).replace(" 16711935 ", " 1e99 "), "nombre hors limites au champ 47"},
        {QByteArray("(debut)\xAC"
                    "FICHIER DAT COMPATIBLE ZEP V2.0\r\n"),
         "les données du menu s'arrêtent avant la fin (champ 2)"},
    };
    for (const Case &c : cases) {
        MenuModel menu;
        MenuDataParser parser;
        EXPECT_FALSE(parser.parseFile(view(c.data), menu)) << c.error;
        EXPECT_EQ(parser.error(), c.error);
    }
}

TEST(MenuDataParserTest, Windows1252DecodesWithItsOwnTable)
{
    EXPECT_EQ(cp1252text::toUtf8("\x80\xE9\xA4\x9F\x81 A"), "€é¤Ÿ\xC2\x81 A");
}

TEST(MenuDataParserTest, TheTimerIntervalIsReadAsTheDesignerReadsIt)
{
    // The panel keeps what is typed until the field loses focus; a test run may come first.
    const std::pair<QString, int> cases[] = {
        {u"250 ms"_s, 250}, {u"  75"_s, 75}, {u"1,5"_s, 1}, {u"-20"_s, -20}, {u"bientôt"_s, 0}, {u""_s, 0},
        {u"99999999999"_s, 2147483647},
    };
    for (const auto &[typed, interval] : cases) {
        MenuProject project;
        projectsettings::set(project, &ProjectSettings::timerInterval, typed);
        MenuModel menu;
        MenuDataParser parser;
        EXPECT_TRUE(parser.parseFile(view(blockOf(project)), menu))
            << parser.error();
        EXPECT_EQ(menu.timerInterval, interval) << typed.toStdString();
    }
}

TEST(PlayerLaunchTest, TheCommandLineShowsAMessageOrTheMenu)
{
    MenuProject project;
    const QByteArray file = QByteArray("player") + blockOf(project, u"Démo"_s, u"Zoé"_s);

    const PlayerLaunch menu = PlayerLaunch::decide("", view(file));
    EXPECT_FALSE(menu.message);
    EXPECT_EQ(menu.menu.projectName, "Démo");

    const PlayerLaunch author = PlayerLaunch::decide("auteur", view(file));
    ASSERT_TRUE(author.message);
    EXPECT_EQ(author.message->text, "Projet : Démo\nAuteur : Zoé");
    EXPECT_EQ(author.message->title, "A propos de ZEP...");
    EXPECT_EQ(author.exitCode, 0);

    // What made the menu is told even without menu data; the author needs it.
    const PlayerLaunch infos = PlayerLaunch::decide("infos", "player");
    ASSERT_TRUE(infos.message);
    EXPECT_EQ(infos.message->title, "Qu'est-ce que ZEP ?");
    EXPECT_FALSE(infos.failed);
    const PlayerLaunch bare = PlayerLaunch::decide("auteur", "player");
    ASSERT_TRUE(bare.message);
    EXPECT_TRUE(bare.failed);
    EXPECT_EQ(bare.exitCode, 1);
    EXPECT_EQ(bare.message->title, "Erreur !");
    EXPECT_EQ(bare.message->text, "Ce menu ne peut pas être affiché : aucune donnée de menu n'est attachée à ce programme.");
}

TEST(PlayerLaunchTest, AsAScreenSaverTheMenuShowsFullScreenOrNotAtAll)
{
    MenuProject project;
    const QByteArray file = QByteArray("player") + blockOf(project, u"Démo"_s, u"Zoé"_s);

    const PlayerLaunch show = PlayerLaunch::decide("/S", view(file));
    EXPECT_FALSE(show.message);
    EXPECT_FALSE(show.endAtOnce);
    EXPECT_TRUE(show.menu.fullScreen);

    for (const char *quiet : {"/p", "-c", "/c:4711"}) {
        const PlayerLaunch launch = PlayerLaunch::decide(quiet, view(file));
        EXPECT_TRUE(launch.endAtOnce) << quiet;
        EXPECT_FALSE(launch.message) << quiet;
        EXPECT_EQ(launch.exitCode, 0) << quiet;
    }
    EXPECT_FALSE(PlayerLaunch::decide("/sx", view(file)).menu.fullScreen);
    EXPECT_FALSE(PlayerLaunch::decide("", view(file)).menu.fullScreen);
}

// Every field written by the compilation is read back into its own place: values differ
// from each other and from their defaults, so two fields swapped in either side fail.
TEST(MenuDataParserTest, EveryFieldComesBackInItsOwnPlace)
{
    MenuProject project;
    ProjectSettings s = project.settings();
    s.backgroundImage = u"images/fond.jpg"_s;
    s.width = 9015;
    s.height = 6030;
    s.contours = 0;
    s.backgroundMusic = u"sons/musique.mp3"_s;
    s.startupAction = u"demarrage.exe"_s;
    s.backgroundColour = 1193046;
    s.contextMenu = 0;
    s.timerEnabled = 1;
    s.timerInterval = u"750"_s;
    s.timerCode = u"Minuteur.Enabled = False"_s;
    s.globalCode = u"Dim global\r\nglobal = 3"_s;
    s.handCursor = 0;
    s.clickSound = u"sons/clic.wav"_s;
    s.hoverSound = u"sons/survol.wav"_s;
    s.transparencyImage = u"images/masque.bmp"_s;
    s.windowHoverCode = u"Fenetre.Caption = \"survol\""_s;
    project.setSettings(s);

    const auto addButton = [&](ButtonKind kind, const MenuButton &values) {
        const int slot = project.addButton(kind);
        MenuButton b = values;
        b.kind = kind;
        project.setButton(slot, b);
    };
    MenuButton first;
    first.left = 135;
    first.top = 270;
    first.normalImage = u"un_n.bmp"_s;
    first.hoverImage = u"un_s.bmp"_s;
    first.clickImage = u"un_c.bmp"_s;
    first.code = u"MsgBox 1"_s;
    first.hoverCode = u"MsgBox 11"_s;
    addButton(ButtonKind::Code, first);
    MenuButton second;
    second.left = 405;
    second.top = 540;
    second.normalImage = u"deux_n.bmp"_s;
    second.hoverImage = u"deux_s.bmp"_s;
    second.clickImage = u"deux_c.bmp"_s;
    second.hoverCode = u"MsgBox 22"_s;
    second.transparent = true;
    second.transparentColour = 65280;
    addButton(ButtonKind::Quit, second);

    const auto addText = [&](const MenuText &values) { project.setText(project.addText(), values); };
    MenuText one;
    one.text = u"Un"_s;
    one.backColour = 255;
    one.textColour = 65535;
    one.fontName = u"Serif"_s;
    one.fontSize = 9;
    one.bold = true;
    one.strikethrough = true;
    one.top = 15;
    one.left = 30;
    one.width = 45;
    one.height = 60;
    one.flags = u"01"_s;
    addText(one);
    MenuText two;
    two.text = u"Deux"_s;
    two.backColour = 16711680;
    two.textColour = 8421504;
    two.fontName = u"Sans"_s;
    two.fontSize = 14;
    two.italic = true;
    two.underline = true;
    two.top = 75;
    two.left = 90;
    two.width = 105;
    two.height = 120;
    two.flags = u"10"_s;
    addText(two);
    project.setShapeVertices({{1, 2}, {3, 4}, {5, 6}});

    const QByteArray file = blockOf(project, u"Projet"_s, u"Auteur"_s);
    MenuModel menu;
    MenuDataParser parser;
    ASSERT_TRUE(parser.parseFile(view(file), menu)) << parser.error();
    EXPECT_EQ(menu.backgroundImage, "fond.jpg");
    EXPECT_EQ(menu.width, 9015);
    EXPECT_EQ(menu.height, 6030);
    EXPECT_FALSE(menu.contours);
    EXPECT_EQ(menu.projectName, "Projet");
    EXPECT_EQ(menu.author, "Auteur");
    EXPECT_EQ(menu.backgroundMusic, "musique.mp3");
    EXPECT_EQ(menu.startupAction, "demarrage.exe");
    EXPECT_EQ(menu.backgroundColour, 1193046);
    EXPECT_FALSE(menu.contextMenu);
    EXPECT_TRUE(menu.timerEnabled);
    EXPECT_EQ(menu.timerInterval, 750);
    EXPECT_EQ(menu.timerCode, "Minuteur.Enabled = False");
    EXPECT_EQ(menu.globalCode, "Dim global\r\nglobal = 3");
    EXPECT_FALSE(menu.handCursor);
    EXPECT_EQ(menu.clickSound, "clic.wav");
    EXPECT_EQ(menu.hoverSound, "survol.wav");
    EXPECT_EQ(menu.transparencyImage, "masque.bmp");
    EXPECT_EQ(menu.windowHoverCode, "Fenetre.Caption = \"survol\"");

    ASSERT_EQ(menu.buttons.size(), 2u);
    const MenuModel::Button &b1 = menu.buttons[0];
    EXPECT_EQ(b1.number, 1);
    EXPECT_EQ(b1.left, 135);
    EXPECT_EQ(b1.top, 270);
    EXPECT_EQ(b1.normalImage, "un_n.bmp");
    EXPECT_EQ(b1.hoverImage, "un_s.bmp");
    EXPECT_EQ(b1.clickImage, "un_c.bmp");
    EXPECT_EQ(b1.kind, ButtonKind::Code);
    EXPECT_EQ(b1.code, "MsgBox 1");
    EXPECT_EQ(b1.hoverCode, "MsgBox 11");
    EXPECT_FALSE(b1.transparent);
    const MenuModel::Button &b2 = menu.buttons[1];
    EXPECT_EQ(b2.number, 2);
    EXPECT_EQ(b2.left, 405);
    EXPECT_EQ(b2.top, 540);
    EXPECT_EQ(b2.normalImage, "deux_n.bmp_transp.bmp");
    EXPECT_EQ(b2.hoverImage, "deux_s.bmp_transp.bmp");
    EXPECT_EQ(b2.clickImage, "deux_c.bmp_transp.bmp");
    EXPECT_EQ(b2.kind, ButtonKind::Quit);
    EXPECT_EQ(b2.hoverCode, "MsgBox 22");
    EXPECT_TRUE(b2.transparent);
    EXPECT_EQ(b2.transparentColour, 65280);

    ASSERT_EQ(menu.texts.size(), 2u);
    const auto expectText = [](const MenuModel::Text &t, const MenuText &made, int number) {
        EXPECT_EQ(t.number, number);
        EXPECT_EQ(t.text, made.text.toStdString());
        EXPECT_EQ(t.backColour, made.backColour);
        EXPECT_EQ(t.textColour, made.textColour);
        EXPECT_EQ(t.bold, made.bold);
        EXPECT_EQ(t.italic, made.italic);
        EXPECT_EQ(t.fontName, made.fontName.toStdString());
        EXPECT_EQ(t.fontSize, made.fontSize);
        EXPECT_EQ(t.strikethrough, made.strikethrough);
        EXPECT_EQ(t.underline, made.underline);
        EXPECT_EQ(t.top, made.top);
        EXPECT_EQ(t.left, made.left);
        EXPECT_EQ(t.width, made.width);
        EXPECT_EQ(t.height, made.height);
        EXPECT_EQ(t.scrollBar, made.flags[0] == u'1');
        EXPECT_EQ(t.readOnly, made.flags[1] == u'1');
    };
    expectText(menu.texts[0], one, 1);
    expectText(menu.texts[1], two, 2);

    ASSERT_EQ(menu.shape.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(menu.shape[i].x, static_cast<long long>(2 * i + 1));
        EXPECT_EQ(menu.shape[i].y, static_cast<long long>(2 * i + 2));
    }
}
