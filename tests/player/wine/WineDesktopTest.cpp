#include "WineMenu.h"
#include "WineSession.h"

#include "support/PictureComparison.h"
#include "support/ProjectSettingsEdit.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>

#include <iostream>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace winemenu;

// The Windows player on the PCs discs are played on: accented folders, screens above
// 96 dpi, programs of the system, and libraries planted beside it.
namespace {

class WineDesktopTest : public ::testing::Test
{
protected:
    ~WineDesktopTest() override { m_wine.stop(); }

    WineSession &m_wine = WineSession::instance();
};

bool near(QRgb a, QRgb b)
{
    return qAbs(qRed(a) - qRed(b)) < 24 && qAbs(qGreen(a) - qGreen(b)) < 24 && qAbs(qBlue(a) - qBlue(b)) < 24;
}

// A library that leaves a file beside itself when a program loads it.
void writePlantedLibrary(const QString &path)
{
    QTemporaryDir dir;
    const QString source = dir.filePath(u"planted.c"_s);
    testfiles::writeBytes(source, "#include <windows.h>\n"
                                  "BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID unused)\n"
                                  "{\n"
                                  "    wchar_t path[MAX_PATH + 16];\n"
                                  "    (void)unused;\n"
                                  "    if (reason == DLL_PROCESS_ATTACH && GetModuleFileNameW(self, path, MAX_PATH)) {\n"
                                  "        lstrcatW(path, L\".charge\");\n"
                                  "        CloseHandle(CreateFileW(path, GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0));\n"
                                  "    }\n"
                                  "    return TRUE;\n"
                                  "}\n");
    QProcess compiler;
    compiler.start(QStringLiteral(ZEP_MINGW_CC), {u"-shared"_s, u"-o"_s, path, source});
    ASSERT_TRUE(compiler.waitForFinished(60000));
    ASSERT_EQ(compiler.exitCode(), 0) << compiler.readAllStandardError().toStdString();
}

void writeSilence(const QString &path)
{
    QByteArray wave("RIFF\x2C\x1F\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1F\0\0\x40\x1F\0\0\x01\0\x08\0data\x08\x1F\0\0",
                    44);
    wave.append(8000, char(0x80));
    testfiles::writeBytes(path, wave);
}

} // namespace

TEST_F(WineDesktopTest, ADiscInAnAccentedFolderShowsItsPicturesAndItsScriptsReadItsFiles)
{
    WineMenu menu(u"accents"_s);
    QImage background(400, 300, QImage::Format_RGB32);
    background.fill(qRgb(255, 128, 0));
    ASSERT_TRUE(background.save(menu.folder() + u"/fond été.jpg"_s, "JPG", 95));
    projectsettings::set(menu.project(), &ProjectSettings::backgroundImage, u"fond été.jpg"_s);
    menu.addButton(u"MsgBox 1"_s);
    projectsettings::set(menu.project(), &ProjectSettings::startupAction,
                         u"VBS:Set fs = CreateObject(\"Scripting.FileSystemObject\")\r\n"
                         u"If fs.FileExists(\"[LECT]:\\données.txt\") Then Fenetre.Caption = "
                         u"fs.OpenTextFile(\"[LECT]:\\données.txt\").ReadLine\r\n"
                         u"Bouton1.Picture = LoadPicture(\"[LECT]:\\zep\\fond été.jpg\")"_s);
    const QString player = menu.compile(u"CD été"_s);
    // Saved by a today's Notepad: UTF-8 with its byte-order mark.
    testfiles::writeBytes(menu.zepFile(u"../données.txt"_s), "\xEF\xBB\xBF" "Frédéric à l'été\r\n");

    ASSERT_TRUE(m_wine.start(player));
    EXPECT_NE(m_wine.findWindow(u"Frédéric à l'été"_s), 0u) << "the file found and read with its accents";
    m_wine.moveMouse({5, 5}); // off the button, whose hover image would hide the normal one
    const QImage shot = m_wine.steadyScreen();
    EXPECT_TRUE(near(shot.pixel(210, 160), qRgb(255, 128, 0))) << "the background of the accented disc";
    EXPECT_TRUE(near(shot.pixel(WineMenu::button(1)), qRgb(255, 128, 0))) << "the picture loaded by the script";
}

TEST_F(WineDesktopTest, At144DpiTheScreenIsThe96DpiScreenOneAndAHalfTimesAsLarge)
{
    WineMenu menu(u"densite"_s);
    // Smooth pictures, so both ways of scaling agree; shapes at places that tell sizes apart.
    QImage background(400, 300, QImage::Format_RGB32);
    QImage button(80, 60, QImage::Format_RGB32);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            background.setPixel(x, y, qRgb(x * 255 / 400, y * 255 / 300, 128));
    button.fill(qRgb(255, 255, 255));
    QPainter(&button).fillRect(0, 30, 80, 30, qRgb(200, 0, 0));
    ASSERT_TRUE(background.save(menu.folder() + u"/fond.bmp"_s, "BMP"));
    ASSERT_TRUE(button.save(menu.folder() + u"/n.bmp"_s, "BMP"));
    projectsettings::set(menu.project(), &ProjectSettings::backgroundImage, u"fond.bmp"_s);
    menu.addButton(u"MsgBox 1"_s);
    menu.project().setShapeVertices({{3000, 0}, {6000, 2250}, {3000, 4500}, {0, 2250}});
    const QString player = menu.compile();

    struct BackTo96
    {
        WineSession &wine;
        ~BackTo96() { wine.setScreenDpi(96); }
    } backTo96{m_wine};
    QImage shots[2];
    for (const int dpi : {96, 144}) {
        m_wine.setScreenDpi(dpi);
        // Wine's first start after a density change once stalled on a busy machine: one
        // more start before calling it a failure, after saying what was on screen.
        const auto shown = [&] { return m_wine.start(player) && m_wine.findWindow(u"densite"_s) != 0; };
        bool started = shown();
        if (!started) {
            std::cerr << "no window at " << dpi << " dpi; " << m_wine.visibleTitles().toStdString() << '\n';
            started = shown();
        }
        ASSERT_TRUE(started) << "at " << dpi << " dpi, " << m_wine.visibleTitles().toStdString();
        shots[dpi == 144] = m_wine.steadyScreen();
    }
    // 400 x 300 centred at 96 dpi; 600 x 450 centred at 144.
    const QImage small = shots[0].copy(200, 150, 400, 300).scaled(600, 450, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage large = shots[1].copy(100, 75, 600, 450);
    EXPECT_LT(picturecomparison::worstBlockDifference(small, large), 40);
    EXPECT_EQ(rgb(shots[1].pixel(105, 80)), rgb(kScreen)) << "the shape's corner is cut at 144 dpi too";
}

TEST_F(WineDesktopTest, ThePlayerStartsSystemProgramsSaysWhatFailsAndIgnoresPlantedLibraries)
{
    WineMenu menu(u"systeme"_s);
    QImage half(40, 20, QImage::Format_ARGB32);
    half.fill(Qt::transparent);
    QPainter(&half).fillRect(20, 0, 20, 20, QColor(0, 0, 255));
    ASSERT_TRUE(half.save(menu.folder() + u"/moitie.png"_s, "PNG"));
    // A sound played on hover, so the multimedia library is loaded.
    writeSilence(menu.folder() + u"/survol.wav"_s);
    projectsettings::set(menu.project(), &ProjectSettings::hoverSound, u"survol.wav"_s);
    menu.addButton(u"CreateObject(\"WScript.Shell\").Run \"notepad.exe\""_s);
    menu.addButton(u"CreateObject(\"WScript.Shell\").Run \"introuvable-zep.exe /x\""_s);
    menu.addButton(u"MsgBox 3"_s);
    MenuButton third = menu.project().button(3);
    third.normalImage = u"moitie.png"_s;
    menu.project().setButton(3, third);
    const QString player = menu.compile();
    const QString folder = QFileInfo(player).absolutePath();
    for (const QString &name : {u"winmm.dll"_s, u"comctl32.dll"_s, u"gdiplus.dll"_s})
        writePlantedLibrary(folder + u'/' + name);

    ASSERT_TRUE(m_wine.start(player, {}, u"winmm,comctl32,gdiplus"_s));
    ASSERT_NE(m_wine.findWindow(u"systeme"_s), 0u);
    const QPoint png = WineMenu::button(3);
    ASSERT_TRUE(m_wine.waitForPixel(png + QPoint(10, 0), kNormal));
    EXPECT_EQ(rgb(m_wine.screen().pixel(png - QPoint(10, 0))), rgb(kBackground))
        << "the transparent half of the PNG shows the background";

    m_wine.moveMouse(png + QPoint(10, 0));
    m_wine.click(WineMenu::button(2));
    const qulonglong failure = m_wine.findWindow(u"Erreur !"_s);
    EXPECT_NE(failure, 0u) << "a Run that fails says so";
    if (failure)
        m_wine.answer(failure, u"Erreur !"_s);
    m_wine.click(WineMenu::button(1));
    EXPECT_NE(m_wine.findWindowMatching(u"Notepad|Bloc-notes"_s), 0u) << "a program of the system";
    const QStringList loaded = QDir(folder).entryList({u"*.charge"_s});
    EXPECT_TRUE(loaded.isEmpty()) << loaded.join(u' ').toStdString();
}
