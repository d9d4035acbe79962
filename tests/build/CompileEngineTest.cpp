#include "BuildFixtures.h"

#include "build/CompileEngine.h"
#include "build/MenuDataWriter.h"
#include "build/TransparencyRenderer.h"
#include "support/ProjectSettingsEdit.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using Result = CompileOutcome::Result;

class CompileEngineTest : public ::testing::Test
{
protected:
    CompileEngineTest()
        : m_projectFolder(m_dir.filePath(u"projet"_s)), m_cd(m_dir.filePath(u"cd"_s)),
          m_engine(m_project, m_projectFolder + u'/', testfiles::programPath(QString()))
    {
        QDir().mkpath(m_cd);
        buildfixtures::fillMenu(m_project, m_projectFolder);
        m_engine.setProgress(&m_progress);
        m_engine.setReplaceDecision([this](const QString &cdFolder) {
            EXPECT_EQ(cdFolder, m_cd + u'/');
            EXPECT_FALSE(m_replaceAnswers.isEmpty()) << "unexpected replace decision";
            return !m_replaceAnswers.isEmpty() && m_replaceAnswers.takeFirst();
        });
        m_request = CompileRequest::defaultsFor(m_project);
        m_request.folder = m_cd;
    }

    ~CompileEngineTest() override
    {
        EXPECT_TRUE(m_prompter.allAnswered());
        EXPECT_TRUE(m_replaceAnswers.isEmpty());
    }

    // The notice is shown the way the compile dialog shows it.
    CompileOutcome compile()
    {
        const CompileOutcome outcome = m_engine.compile(m_request);
        if (outcome.hasNotice())
            m_prompter.message(outcome.notice);
        return outcome;
    }

    QString cd(const QString &name) const { return QDir(m_cd).filePath(name); }

    void expectFailure(const QString &description)
    {
        m_prompter.expectMessage(u"Erreur durant la compilation ! ("_s + description + u')', u"Erreur"_s,
                                 MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    }

    void expectReplaceDecision(bool replace) { m_replaceAnswers << replace; }

    QTemporaryDir m_dir;
    QString m_projectFolder;
    QString m_cd;
    MenuProject m_project;
    ScriptedPrompter m_prompter;
    RecordingProgress m_progress;
    CompileEngine m_engine;
    CompileRequest m_request;
    QList<bool> m_replaceAnswers;
};

} // namespace

TEST_F(CompileEngineTest, AMainMenuWritesAutorunTheZepFolderAndTheDataBlockByteForByte)
{
    ASSERT_EQ(compile().result, Result::Written);
    EXPECT_EQ(m_request.folder, m_cd + u'/');

    testfiles::expectGolden(u"build/autorun.inf"_s, testfiles::readBytes(cd(u"Autorun.inf"_s)));
    // The Linux runtime is whatever the player links on the build machine: checked apart.
    QString listing = buildfixtures::listing(m_cd);
    listing.remove(QRegularExpression(u"zep/lib/[^\n]*\n"_s));
    testfiles::expectGolden(u"build/main-listing.txt"_s, listing.toUtf8());
    EXPECT_TRUE(QFileInfo::exists(cd(u"zep/lib/plugins/platforms/libqxcb.so"_s)));
    const qint64 linuxPlayerSize = QFileInfo(testfiles::programPath(u"compil"_s)).size();
    EXPECT_EQ(testfiles::readBytes(cd(u"zep/autorun"_s)).mid(linuxPlayerSize),
              buildfixtures::appendedData(cd(u"zep/autorun.exe"_s)));
    testfiles::expectGolden(u"build/main-data.bin"_s, buildfixtures::appendedData(cd(u"zep/autorun.exe"_s)));
    testfiles::expectGolden(u"build/main-progress.txt"_s, (m_progress.log.join(u'\n') + u'\n').toUtf8());
    EXPECT_EQ(m_progress.lastReport,
              u"Compilation terminée :\n\nVous pouvez fermer cette fenêtre et graver à partir du répertoire "_s + m_cd +
                  u"/ vers la racine du CD-R (et n'oubliez pas de graver votre (vos) fichier(s) multimédia(s) !)."_s);

    const QByteArray data = buildfixtures::appendedData(cd(u"zep/autorun.exe"_s));
    EXPECT_EQ(data.count("\r\n"), 1);
    EXPECT_TRUE(data.endsWith("\xAC"
                              "FICHIER GENERE PAR ZEP - COPYRIGHT LE CONTENU DE CE MENU APPARTIENT A SON AUTEUR - "
                              "https://zep.example.org/\r\n"));
    // The player and the runtime files are copied as they are.
    EXPECT_EQ(testfiles::readBytes(cd(u"zep/Msscript.cnt"_s)),
              testfiles::readBytes(testfiles::programPath(u"Msscript.cnt"_s)));
    EXPECT_TRUE(testfiles::readBytes(cd(u"zep/autorun.exe"_s))
                    .startsWith(testfiles::readBytes(testfiles::programPath(u"compil.exe"_s))));
}

TEST_F(CompileEngineTest, TransparentButtonsShipTheirCompanionsComposedOverTheBackground)
{
    ASSERT_EQ(compile().result, Result::Written);
    const QImage companion(cd(u"zep/b1.bmp_transp.bmp"_s));
    ASSERT_EQ(companion.size(), QSize(20, 10));
    // The key-coloured corner shows the background (navy), the rest the button (green).
    EXPECT_EQ(companion.pixelColor(1, 1), QColor(0, 0, 128));
    EXPECT_EQ(companion.pixelColor(15, 8), QColor(Qt::green));
    EXPECT_TRUE(QFileInfo::exists(cd(u"zep/b1s.bmp_transp.bmp"_s)));
    EXPECT_FALSE(QFileInfo::exists(m_projectFolder + u"/img/b1s.bmp_transp.bmp"_s))
        << "nothing beside the author's images";
    EXPECT_FALSE(QFileInfo::exists(cd(u"zep/b1.bmp"_s)));
}

TEST_F(CompileEngineTest, ATransparentButtonWhosePictureCannotBeReadFailsTheBuildNamingIt)
{
    const QString unreadable = m_projectFolder + u"/img/b1c.bmp"_s;
    buildfixtures::writeFile(unreadable, "pas une image");
    expectFailure(u"Image incorrecte : "_s + unreadable);
    EXPECT_EQ(compile().result, Result::Failed);
    EXPECT_FALSE(QFileInfo::exists(cd(u"zep/b1c.bmp_transp.bmp"_s)));

    // A companion that cannot be written is reported too: a folder stands in its place.
    testfiles::writeBytes(unreadable, testfiles::readBytes(m_projectFolder + u"/img/b1.bmp"_s));
    QDir().mkpath(cd(u"zep/b1c.bmp_transp.bmp"_s));
    expectReplaceDecision(true);
    expectFailure(u"Erreur d'accès au chemin/fichier : "_s + cd(u"zep/b1c.bmp_transp.bmp"_s));
    EXPECT_EQ(compile().result, Result::Failed);
}

TEST_F(CompileEngineTest, AMissingOrWrongFolderIsRefusedBeforeAnythingIsWritten)
{
    m_request.folder = m_dir.filePath(u"absent"_s);
    m_prompter.expectMessage(u"Répertoire incorrect !"_s, u"Erreur !"_s, MessageIcon::Critical, MessageButtons::Ok,
                             Answer::Ok);
    EXPECT_EQ(compile().result, Result::Failed);
    EXPECT_EQ(m_request.folder, m_dir.filePath(u"absent/"_s));
    EXPECT_EQ(m_progress.log, QStringList{u"folder completed"_s});
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(u"absent"_s)));
}

TEST_F(CompileEngineTest, AnEmptyFolderIsRefusedRatherThanTakenForTheRoot)
{
    // The sub menu goes first: were the root taken, it would stop without writing anything.
    for (const bool subMenu : {true, false}) {
        for (const QString &folder : {QString(), u"   "_s}) {
            m_request.subMenu = subMenu;
            m_request.folder = folder;
            m_prompter.expectMessage(u"Répertoire incorrect !"_s, u"Erreur !"_s, MessageIcon::Critical,
                                     MessageButtons::Ok, Answer::Ok);
            ASSERT_EQ(compile().result, Result::Failed);
            EXPECT_EQ(m_request.folder, folder);
        }
    }
}

TEST_F(CompileEngineTest, ASecondCompilationAsksAndNoChangesNothing)
{
    ASSERT_EQ(compile().result, Result::Written);
    buildfixtures::writeFile(cd(u"zep/ancien.txt"_s), "ancien");
    const QByteArray player = testfiles::readBytes(cd(u"zep/autorun.exe"_s));

    expectReplaceDecision(false);
    EXPECT_EQ(compile().result, Result::Declined);
    EXPECT_TRUE(QFileInfo::exists(cd(u"zep/ancien.txt"_s)));
    EXPECT_EQ(testfiles::readBytes(cd(u"zep/autorun.exe"_s)), player);

    expectReplaceDecision(true);
    EXPECT_EQ(compile().result, Result::Written);
    EXPECT_FALSE(QFileInfo::exists(cd(u"zep/ancien.txt"_s)));
    EXPECT_EQ(testfiles::readBytes(cd(u"zep/autorun.exe"_s)), player);
}

TEST_F(CompileEngineTest, ASubMenuNeedsAMainMenuAndAFreeNameAndWritesOnlyItsOwnFiles)
{
    m_request.subMenu = true;
    m_prompter.expectMessage(u"Aucun menu principal trouvé dans ce répertoire !"_s, u"Sous menu"_s,
                             MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok);
    EXPECT_EQ(compile().result, Result::Declined);
    EXPECT_FALSE(QFileInfo::exists(cd(u"zep"_s)));

    QDir().mkpath(cd(u"zep"_s));
    m_prompter.expectMessage(
        u"Votre sous menu 'SousMenu1' a été créé avec succès, pour le lancer depuis le menu principal (ou depuis un "
        u"autre sous menu), créez un bouton VBS puis cliquez sur 'Modifier le code VBS' et enfin dans 'Assistant' "
        u"choisissez 'Lancer un sous menu'."_s,
        u"Sous menu"_s, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    ASSERT_EQ(compile().result, Result::Written);
    testfiles::expectGolden(u"build/sub-listing.txt"_s, buildfixtures::listing(m_cd).toUtf8());
    EXPECT_EQ(buildfixtures::appendedData(cd(u"zep/SousMenu1.exe"_s)),
              testfiles::readBytes(testfiles::dataPath(u"build/main-data.bin"_s)));

    m_prompter.expectMessage(u"Un sous menu portant ce nom a déja été créé dans ce répertoire."_s, u"Sous menu"_s,
                             MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok);
    EXPECT_EQ(compile().result, Result::Declined);
}

TEST_F(CompileEngineTest, ASubMenuNameThatLeavesTheZepFolderIsRefused)
{
    QDir().mkpath(cd(u"zep"_s));
    m_request.subMenu = true;
    for (const QString &name : {u"../evade"_s, u"a/b"_s, u"..\\b"_s, u"c:menu"_s, u"bad?"_s, u""_s, u".."_s}) {
        m_request.subMenuName = name;
        m_prompter.expectMessage(u"Le nom du sous menu '"_s + name +
                                     u"' est incorrect : il doit être un simple nom de fichier, sans chemin, sans "
                                     u"'..' et sans aucun des caractères \\ / : * ? \" < > |"_s,
                                 u"Sous menu"_s, MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok);
        EXPECT_EQ(compile().result, Result::Failed) << name.toStdString();
    }
    EXPECT_EQ(buildfixtures::listing(m_dir.path()).count(u".exe"_s), 0);
}

TEST_F(CompileEngineTest, TheLightOptionLeavesTheRuntimeFilesOut)
{
    m_request.light = true;
    ASSERT_EQ(compile().result, Result::Written);
    testfiles::expectGolden(u"build/light-listing.txt"_s, buildfixtures::listing(m_cd).toUtf8());
    for (const QString &runtime : CompileEngine::runtimeFiles())
        EXPECT_FALSE(QFileInfo::exists(cd(u"zep/"_s + runtime))) << runtime.toStdString();
}

TEST_F(CompileEngineTest, AMultimediaButtonWithoutFileStopsOnlyWhenTheOptionIsOn)
{
    MenuButton b = m_project.button(1);
    b.code.clear();
    m_project.setButton(1, b);

    m_engine.setRequireMultimediaFiles(true);
    m_prompter.expectMessage(u"Vous avez oublié d'indiquer un fichier multimédia pour le bouton n°1 !"_s,
                             u"Compilation"_s, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    EXPECT_EQ(compile().result, Result::Failed);
    EXPECT_FALSE(QFileInfo::exists(cd(u"Autorun.inf"_s)));

    m_engine.setRequireMultimediaFiles(false);
    EXPECT_EQ(compile().result, Result::Written);
}

TEST_F(CompileEngineTest, AMissingHoverImageTakesTheFailurePathAndEnablesTheFieldsAgain)
{
    MenuButton b = m_project.button(2);
    b.hoverImage.clear();
    m_project.setButton(2, b);
    expectFailure(u"Fichier introuvable"_s);
    EXPECT_EQ(compile().result, Result::Failed);
    EXPECT_EQ(m_progress.log.last(), u"fields enabled"_s);
    EXPECT_TRUE(m_progress.log.contains(u"fields disabled"_s));
    EXPECT_TRUE(m_progress.lastReport.isEmpty());
    // What was copied before the failure stays.
    EXPECT_TRUE(QFileInfo::exists(cd(u"zep/fond.bmp"_s)));
    EXPECT_EQ(buildfixtures::appendedData(cd(u"zep/autorun.exe"_s)), QByteArray());
}

TEST_F(CompileEngineTest, ATargetThatCannotBeWrittenTakesTheFailurePath)
{
    // Running as root, permissions never block: a file where the zep folder must go does.
    buildfixtures::writeFile(cd(u"zep"_s), "fichier");
    expectFailure(u"Erreur d'accès au chemin/fichier : "_s + cd(u"zep"_s));
    EXPECT_EQ(compile().result, Result::Failed);
    EXPECT_EQ(m_progress.log.last(), u"fields enabled"_s);
}

TEST_F(CompileEngineTest, AnIconOfTheProjectReplacesTheDefaultOne)
{
    buildfixtures::writeFile(m_projectFolder + u"/cd.ico"_s, "mon icone");
    m_project.setIcon(u"cd.ico"_s);
    ASSERT_EQ(compile().result, Result::Written);
    EXPECT_EQ(testfiles::readBytes(cd(u"zep/autorun.ico"_s)), QByteArray("mon icone"));

    m_project.setIcon(u"(Icone par défaut)"_s);
    expectReplaceDecision(true);
    ASSERT_EQ(compile().result, Result::Written);
    EXPECT_EQ(testfiles::readBytes(cd(u"zep/autorun.ico"_s)),
              testfiles::readBytes(testfiles::programPath(u"autorun.ico"_s)));
}

TEST(MenuDataWriterTest, ReferencesKeepTheirNameAndFullScreenWritesPleinEcran)
{
    EXPECT_EQ(MenuDataWriter::fileNameOnly(u"C:\\img\\b1.jpg"_s), u"b1.jpg"_s);
    EXPECT_EQ(MenuDataWriter::fileNameOnly(u"/img/b1.jpg"_s), u"b1.jpg"_s);
    EXPECT_EQ(MenuDataWriter::fileNameOnly(u"b1.jpg"_s), u"b1.jpg"_s);

    MenuProject project;
    projectsettings::set(project, &ProjectSettings::fullScreen, 1);
    projectsettings::set(project, &ProjectSettings::backgroundImage, u"C:\\fonds\\fond.jpg"_s);
    const QByteArray lines = MenuDataWriter(project).lines(u"Projet1"_s, QString());
    EXPECT_TRUE(lines.startsWith("FICHIER DAT COMPATIBLE ZEP V2.0\r\n[G\xE9n\xE9ral]\r\nfond.jpg\r\nplein\r\necran\r\n"
                                 " 1 \r\nProjet1\r\n\r\n\r\n[ParamsPlus]\r\n"));
    EXPECT_FALSE(lines.contains("[FormeMenu]"));
    EXPECT_FALSE(lines.contains("[Bouton]"));

    EXPECT_EQ(MenuDataWriter::dataBlock("a\r\nb\r\n"), QByteArray("(debut)\xAC"
                                                                  "a\xAC"
                                                                  "b\r\n"));
    EXPECT_EQ(MenuDataWriter::dataBlock("ab\r\n"), QByteArray("(debut)\xAC"
                                                              "ab\xAC\r\n"));
}

TEST(TransparencyRendererTest, TheKeyColourShowsTheBackgroundUnderTheButton)
{
    QImage background(40, 30, QImage::Format_RGB32);
    background.fill(QColor(0, 0, 128));
    background.setPixelColor(11, 21, Qt::yellow);
    QImage button(4, 4, QImage::Format_RGB32);
    button.fill(Qt::green);
    button.setPixelColor(1, 1, QColor(255, 0, 255));
    const QImage composed = TransparencyRenderer::compose(background, QPoint(10, 20), button, 16711935);
    EXPECT_EQ(composed.size(), QSize(4, 4));
    EXPECT_EQ(composed.pixelColor(1, 1), QColor(Qt::yellow));
    EXPECT_EQ(composed.pixelColor(0, 0), QColor(Qt::green));
}

TEST_F(CompileEngineTest, MsscriptOcxAlreadyInTheZepFolderIsNeverCopiedAgain)
{
    // A folder of that name survives the emptying of zep, as a file held open would.
    QDir().mkpath(cd(u"zep/Msscript.ocx"_s));
    expectReplaceDecision(true);
    ASSERT_EQ(compile().result, Result::Written);
    EXPECT_TRUE(QFileInfo(cd(u"zep/Msscript.ocx"_s)).isDir());
    EXPECT_TRUE(QFileInfo(cd(u"zep/Msscrfr.dll"_s)).isFile());
    const qsizetype at = m_progress.log.indexOf(u"step: Copie de Msscript.ocx..."_s);
    ASSERT_GE(at, 0);
    EXPECT_EQ(m_progress.log[at + 1], u"step: Copie de Msscrfr.dll..."_s);
}

TEST_F(CompileEngineTest, TheProgramFindsItsOwnFilesOnADiscInAnyCase)
{
    // An earlier menu written where names had another case.
    buildfixtures::writeFile(cd(u"AUTORUN.INF"_s), "[autorun]\r\nopen=ancien.exe\r\n");
    buildfixtures::writeFile(cd(u"ZEP/SOUSMENU1.EXE"_s), "ancien");
    m_request.subMenu = true;
    m_prompter.expectMessage(u"Un sous menu portant ce nom a déja été créé dans ce répertoire."_s, u"Sous menu"_s,
                             MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok);
    EXPECT_EQ(compile().result, Result::Declined) << "the ZEP folder is the main menu's";

    m_request.subMenu = false;
    expectReplaceDecision(true);
    ASSERT_EQ(compile().result, Result::Written);
    EXPECT_EQ(QDir(m_cd).entryList({u"autorun.inf"_s}, QDir::Files), QStringList{u"Autorun.inf"_s})
        << "one autorun file, replaced";
    EXPECT_EQ(QDir(m_cd).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{u"zep"_s});
    EXPECT_TRUE(QFileInfo::exists(cd(u"zep/autorun.exe"_s)));
}
