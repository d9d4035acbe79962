#include "ProjectFixtures.h"

#include "common/Cp1252.h"
#include "project/MenuProject.h"
#include "project/ProjectStorage.h"
#include "project/ProjectWriter.h"
#include "project/StartupAction.h"
#include "support/ProjectSettingsEdit.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray crlf(const QStringList &lines)
{
    return cp1252::encode(lines.join(u"\r\n"_s) + u"\r\n"_s);
}

class ProjectFile : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        testfiles::writeBytes(path, bytes);
        return path;
    }

    bool open(const QString &path)
    {
        ProjectStorage storage(m_project, m_prompter);
        storage.setPictureCheck(m_pictures.check());
        return storage.open(path);
    }

    QStringList writtenLines(const QString &target)
    {
        return cp1252::decode(ProjectWriter(m_project).toBytes(target)).split(u"\r\n"_s);
    }

    QTemporaryDir m_dir;
    MenuProject m_project;
    ScriptedPrompter m_prompter;
    RecordingPictureCheck m_pictures;
};

// The sections of a project with only default values, lines 1 to 55.
QStringList defaultHead(const QString &fileVersion = u"1.1"_s)
{
    QStringList lines{u"FICHIER .ZEP - COMPATIBLE ZEP V2.0 ET +"_s,
                      u"comment"_s,
                      u"comment"_s,
                      u"[Format]"_s,
                      u"Editeur=ZEP"_s,
                      u"Version=2.0.450"_s,
                      u"Fichier="_s + fileVersion,
                      u"[Auteur]"_s, u""_s, u""_s, u""_s, u""_s,
                      u"[Général]"_s, u""_s, u" 12000 "_s, u" 9000 "_s, u" 1 "_s, u"(Icône par défaut)"_s,
                      u"'para3"_s, u""_s,
                      u"[ParamsPlus]"_s, u""_s, u" 16777215 "_s, u" 1 "_s, u" 0 "_s, u"1000"_s, u""_s, u""_s,
                      u" 1 "_s, u""_s, u""_s,
                      u"[Autre]"_s, u""_s, u""_s};
    for (int i = 3; i <= 15; ++i)
        lines << u"'para"_s + QString::number(i);
    return lines;
}

} // namespace

TEST_F(ProjectFile, WriterProducesTheGoldenFile)
{
    fillFullProject(m_project);
    const QByteArray bytes = ProjectWriter(m_project).toBytes(m_dir.filePath(u"menu.zep"_s));
    testfiles::expectGolden(u"project/full.zep"_s, bytes);
}

TEST_F(ProjectFile, ReadingTheGoldenFileAndWritingItAgainGivesTheSameBytes)
{
    const QByteArray golden = testfiles::readBytes(testfiles::dataPath(u"project/full.zep"_s));
    const QString path = write(u"menu.zep"_s, golden);
    ASSERT_TRUE(open(path));
    EXPECT_EQ(ProjectWriter(m_project).toBytes(path), golden);

    EXPECT_EQ(m_project.path(), path);
    EXPECT_EQ(m_project.formatVersion(), u"1.1"_s);
    EXPECT_EQ(m_project.button(1).kind, ButtonKind::Multimedia);
    EXPECT_EQ(m_project.button(2).kind, ButtonKind::Code);
    EXPECT_EQ(m_project.textSlotsInUse(), 3);
    EXPECT_EQ(m_project.buttonSlotsInUse(), 3) << "the button without images is not kept";
    EXPECT_EQ(m_project.text(2).text, u"Tapez ici le contenu du Texte 3"_s) << "texts are numbered again";
    EXPECT_EQ(m_project.button(1).left, -120);
    EXPECT_EQ(m_project.button(1).top, 3000.25f);
    EXPECT_TRUE(m_project.button(1).transparent);
    EXPECT_EQ(m_project.button(2).hoverCode, u"Bouton2.Left = 10"_s);
    EXPECT_EQ(m_project.text(1).fontSize, 12.5);
    EXPECT_EQ(m_project.author().notes, u"Ligne 1\r\n\r\nLigne 3"_s);
    EXPECT_EQ(m_project.settings().startupAction, u"VBS:MsgBox \"Salut\"\r\nFenetre.Caption = \"€\""_s);
    EXPECT_EQ(m_project.shape(), (QList<ShapePoint>{{}, {0, 0}, {600, -5}, {300, 400}}));
    EXPECT_EQ(m_pictures.loaded, (QStringList{u"/media/images/fond.jpg"_s, u"/media/images/b1.bmp"_s,
                                              u"/media/images/b2.bmp"_s}));
}

TEST_F(ProjectFile, FullScreenIsWrittenAsWordsAndKeepsTheWindowSize)
{
    m_project.setSize(6000, 4500);
    projectsettings::set(m_project, &ProjectSettings::fullScreen, 1);
    const QStringList lines = writtenLines(m_dir.filePath(u"a.zep"_s));
    EXPECT_EQ(lines.mid(13, 3), (QStringList{u""_s, u"plein"_s, u"ecran"_s}));

    const QString path = write(u"a.zep"_s, ProjectWriter(m_project).toBytes(m_dir.filePath(u"a.zep"_s)));
    m_project.setSize(1000, 800);
    projectsettings::set(m_project, &ProjectSettings::fullScreen, 0);
    ASSERT_TRUE(open(path));
    EXPECT_EQ(m_project.settings().fullScreen, 1);
    EXPECT_EQ(m_project.settings().width, 1000);
    EXPECT_EQ(m_project.settings().height, 800);
}

TEST_F(ProjectFile, PlaceholdersKeepTheirFieldExceptTheHandCursorAndContours)
{
    QStringList lines = defaultHead();
    lines[16] = u"'para4"_s;  // contours
    lines[26] = u"'para5"_s;  // timer code
    lines[27] = u"'para6"_s;  // global code
    lines[28] = u"'para5"_s;  // hand cursor
    lines[29] = u"'para9"_s;  // click sound
    lines[33] = u"'para2"_s;  // window hover code
    projectsettings::set(m_project, &ProjectSettings::timerCode, u"garde"_s);
    ProjectStorage storage(m_project, m_prompter);
    storage.setPictureCheck(m_pictures.check());
    ASSERT_TRUE(storage.open(write(u"p.zep"_s, crlf(lines)), false));
    EXPECT_EQ(m_project.settings().timerCode, u"garde"_s);
    EXPECT_EQ(m_project.settings().contours, 0);
    EXPECT_EQ(m_project.settings().handCursor, 0);
    EXPECT_TRUE(m_project.settings().clickSound.isEmpty());
    EXPECT_TRUE(m_project.settings().windowHoverCode.isEmpty());
}

TEST_F(ProjectFile, ALineOfFiveCharactersIsNotAPlaceholder)
{
    QStringList lines = defaultHead();
    lines[26] = u"'PARA"_s;
    lines[27] = u"'PaRa7"_s;
    projectsettings::set(m_project, &ProjectSettings::globalCode, u"garde"_s);
    ProjectStorage storage(m_project, m_prompter);
    storage.setPictureCheck(m_pictures.check());
    ASSERT_TRUE(storage.open(write(u"p.zep"_s, crlf(lines)), false));
    EXPECT_EQ(m_project.settings().timerCode, u"'PARA"_s);
    EXPECT_EQ(m_project.settings().globalCode, u"garde"_s);
}

TEST_F(ProjectFile, StartupActionLinesChooseTheSelectorEntry)
{
    const auto readStartup = [&](const QString &line) {
        QStringList lines = defaultHead();
        lines[21] = line;
        EXPECT_TRUE(open(write(u"s.zep"_s, crlf(lines))));
        return m_project.settings().startupAction;
    };
    EXPECT_EQ(readStartup(u"vbs:MsgBox 1¤MsgBox 2"_s), u"vbs:MsgBox 1\r\nMsgBox 2"_s);
    EXPECT_EQ(startup::kindOf(m_project.settings().startupAction), StartupKind::Script);
    EXPECT_EQ(readStartup(u"VBS:"_s), u"VBS:"_s);
    EXPECT_EQ(startup::kindOf(m_project.settings().startupAction), StartupKind::MultimediaFile);
    EXPECT_EQ(readStartup(u"video\\intro¤.avi"_s), u"video\\intro¤.avi"_s);
    EXPECT_EQ(startup::kindOf(m_project.settings().startupAction), StartupKind::MultimediaFile);
    EXPECT_EQ(readStartup(u""_s), u""_s);
    EXPECT_EQ(startup::kindOf(m_project.settings().startupAction), StartupKind::Nothing);
}

TEST_F(ProjectFile, FormatOneZeroButtonsHaveSevenLines)
{
    QStringList lines = defaultHead(u"1.0"_s);
    lines << u"[Bouton]"_s << u" 15 "_s << u" 30 "_s << u"n.bmp"_s << u"s.bmp"_s << u"c.bmp"_s << u"code"_s
          << u"MsgBox 1"_s;
    lines << u"[Bouton]"_s << u" 45 "_s << u" 60 "_s << u"n2.bmp"_s << u"s2.bmp"_s << u"c2.bmp"_s
          << u"quitter"_s << u""_s;
    ASSERT_TRUE(open(write(u"old.zep"_s, crlf(lines))));
    EXPECT_EQ(m_project.buttonSlotsInUse(), 3);
    EXPECT_EQ(m_project.button(1).code, u"MsgBox 1"_s);
    EXPECT_TRUE(m_project.button(1).hoverCode.isEmpty());
    EXPECT_FALSE(m_project.button(1).transparent);
    EXPECT_EQ(m_project.button(2).left, 45);
    EXPECT_EQ(m_project.button(2).kind, ButtonKind::Quit);
}

TEST_F(ProjectFile, AKindWordThisVersionDoesNotKnowIsShownAndWrittenBackAsRead)
{
    QStringList lines = defaultHead(u"1.0"_s);
    lines << u"[Bouton]"_s << u" 15 "_s << u" 30 "_s << u"n.bmp"_s << u"s.bmp"_s << u"c.bmp"_s << u"Vidéo"_s
          << u"film.avi"_s;
    ASSERT_TRUE(open(write(u"autre.zep"_s, crlf(lines))));
    EXPECT_EQ(m_project.button(1).kind, ButtonKind::Other);
    EXPECT_EQ(m_project.button(1).kindWord(), u"Vidéo"_s);
    EXPECT_TRUE(m_project.button(1).isStored());
    EXPECT_TRUE(writtenLines(m_dir.filePath(u"autre.zep"_s)).contains(u"Vidéo"_s));

    // Deleted and brought back, it keeps its word.
    m_project.deleteButton(1);
    EXPECT_EQ(m_project.button(1).kindWord(), u"suppr"_s);
    EXPECT_FALSE(m_project.button(1).isStored());
    m_project.restoreButton(1, ButtonKind::Other);
    EXPECT_EQ(m_project.button(1).kindWord(), u"Vidéo"_s);
}

TEST_F(ProjectFile, AbsentSectionsKeepTheirResetValues)
{
    // As the project wizard writes: no comment lines, no [Auteur], no [Autre].
    QStringList lines{u"[Format]"_s, u"Editeur=Assistant création ZEP"_s, u"Version=2.0.450"_s, u"Fichier=1.1"_s,
                      u"[Général]"_s, u"fond.jpg"_s, u" 6000 "_s, u" 4500 "_s, u" 0 "_s, u"'para2"_s,
                      u"'para3"_s, u""_s,
                      u"[ParamsPlus]"_s, u""_s, u" 255 "_s, u" 1 "_s, u" 0 "_s, u"1000"_s, u""_s, u""_s, u" 1 "_s,
                      u"'para9"_s, u"'para10"_s};
    projectsettings::set(m_project, &ProjectSettings::windowHoverCode, u"perdu"_s);
    ASSERT_TRUE(open(write(u"w.zep"_s, crlf(lines))));
    EXPECT_EQ(m_project.settings().icon, u"(Icône par défaut)"_s);
    EXPECT_EQ(m_project.settings().backgroundColour, 255);
    EXPECT_EQ(m_project.settings().contours, 0);
    EXPECT_TRUE(m_project.settings().windowHoverCode.isEmpty());
    EXPECT_EQ(m_project.author(), AuthorInfo{});
    EXPECT_EQ(m_pictures.loaded, QStringList{m_dir.filePath(u"fond.jpg"_s)});
}

TEST_F(ProjectFile, ScriptsWithBlankLinesSurviveASaveAndARead)
{
    const QString code = u"\r\nIf x Then\r\n\r\n\r\n  MsgBox \"a¬\"\r\nEnd If\r\n"_s;
    projectsettings::set(m_project, &ProjectSettings::globalCode, code);
    const QString path = m_dir.filePath(u"g.zep"_s);
    write(u"g.zep"_s, ProjectWriter(m_project).toBytes(path));
    EXPECT_EQ(writtenLines(path)[27], u"¤If x Then¤¤¤  MsgBox \"a¬\"¤End If¤"_s);
    m_project.reset();
    ASSERT_TRUE(open(path));
    EXPECT_EQ(m_project.settings().globalCode, code);
}

TEST_F(ProjectFile, ReferencesBesideTheNewProjectBecomeBareNames)
{
    QDir(m_dir.path()).mkpath(u"old"_s);
    QDir(m_dir.path()).mkpath(u"new"_s);
    const QString oldFolder = m_dir.filePath(u"old/"_s);
    const QString newFolder = m_dir.filePath(u"new/"_s);
    testfiles::writeBytes(newFolder + u"present.jpg"_s, "x");
    testfiles::writeBytes(newFolder + u"Casse.wav"_s, "x");

    m_project.setPath(oldFolder + u"menu.zep"_s);
    projectsettings::set(m_project, &ProjectSettings::backgroundImage,
                         oldFolder + u"present.jpg"_s); // same name lies in the new folder
    projectsettings::set(m_project, &ProjectSettings::backgroundMusic,
                         u"absent.mp3"_s); // bare: completed with the old folder
    projectsettings::set(m_project, &ProjectSettings::clickSound,
                         u"present.jpg"_s); // bare and present beside the target
    projectsettings::set(m_project, &ProjectSettings::hoverSound,
                         oldFolder + u"casse.wav"_s); // the name must match exactly
    projectsettings::set(m_project, &ProjectSettings::transparencyImage, u"C:\\images\\masque.bmp"_s);
    m_project.setIcon(u"(Icone par défaut)"_s);

    const QStringList lines = writtenLines(newFolder + u"menu.zep"_s);
    EXPECT_EQ(lines[13], u"present.jpg"_s);
    EXPECT_EQ(lines[17], u"(Icone par défaut)"_s);
    EXPECT_EQ(lines[19], oldFolder + u"absent.mp3"_s);
    EXPECT_EQ(lines[29], u"present.jpg"_s);
    EXPECT_EQ(lines[30], oldFolder + u"casse.wav"_s);
    EXPECT_EQ(lines[32], u"C:/images/masque.bmp"_s);

    m_project.setPath(QString());
    EXPECT_EQ(writtenLines(newFolder + u"menu.zep"_s)[19], u"absent.mp3"_s) << "a never-saved project adds no folder";
}

TEST_F(ProjectFile, ShapeLinesAreReadUntilTheEndMarker)
{
    QStringList lines = defaultHead();
    lines << u"[FormeMenu]"_s << u"X=10"_s << u"Y=20"_s << u"commentaire"_s << u"X=-30"_s << u"Y=40"_s
          << u"[/FormeMenu]"_s << u"[Texte]"_s;
    for (int i = 0; i < 18; ++i)
        lines << (i == 0 ? u"après la forme"_s : u" 1 "_s);
    ASSERT_TRUE(open(write(u"f.zep"_s, crlf(lines))));
    EXPECT_EQ(m_project.shape(), (QList<ShapePoint>{{}, {10, 20}, {-30, 40}}));
    EXPECT_EQ(m_project.text(1).text, u"après la forme"_s);
}

TEST_F(ProjectFile, NoToAQuestionLeavesTheValueWithExactlyTheFieldsReadSoFar)
{
    QStringList lines = defaultHead();
    lines[22] = u" 255 "_s; // background colour, read before the problem
    lines << u"[Bouton]"_s << u" 15 "_s << u" 30 "_s << u"n.bmp"_s << u"s.bmp"_s << u"c.bmp"_s << u"code"_s
          << u"MsgBox 1"_s << u"survol"_s << u" 1 "_s << u" 65280 "_s << u"'para4"_s;
    lines << u"[Texte]"_s << u"jamais lu"_s;

    struct Refuse : ReadProblemHandler
    {
        int asked = 0;
        bool continueReading(const ReadProblem &) override { return ++asked, false; }
    } refuse;
    ProjectContent content;
    ProjectReader reader(content, refuse, [](const QString &file) {
        return file.endsWith(u"n.bmp"_s) ? ZepError(ErrorCode::FileNotFound) : ZepError();
    });
    EXPECT_EQ(reader.read(crlf(lines), m_dir.path()), ProjectReader::Outcome::Abandoned);
    EXPECT_EQ(refuse.asked, 1);
    EXPECT_EQ(content.settings.backgroundColour, 255);
    EXPECT_EQ(content.buttonSlotsInUse, 2);
    EXPECT_EQ(content.buttons[1].normalImage, u"n.bmp"_s);
    EXPECT_EQ(content.buttons[1].code, u"MsgBox 1"_s) << "the code line is read before the picture is checked";
    EXPECT_TRUE(content.buttons[1].hoverCode.isEmpty()) << "nothing after the question";
    EXPECT_FALSE(content.buttons[1].transparent);
    EXPECT_EQ(content.texts.size(), 1);
    EXPECT_EQ(content.buttons[1].kind, ButtonKind::Code);
}
