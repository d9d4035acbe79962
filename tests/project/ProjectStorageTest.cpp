#include "ProjectFixtures.h"

#include "common/Cp1252.h"
#include "common/Fold.h"
#include "common/Phrases.h"
#include "project/MenuProject.h"
#include "project/ProjectStorage.h"
#include "project/ProjectWriter.h"
#include "project/QmbConverter.h"
#include "project/RecentFilesSink.h"
#include "support/ProjectSettingsEdit.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class RecordingRecentFiles : public RecentFilesSink
{
public:
    QStringList paths;
    // Every call, so that a path added twice shows.
    void add(const QString &path) override { paths << path; }
};

class RecordingQmb : public QmbConverter
{
public:
    QStringList converted;
    QString result;
    QString convert(const QString &path) override
    {
        converted << path;
        return result;
    }
};

QString openErrorText(const QString &description, int number, const QString &section, const QString &line)
{
    return u"Erreur : "_s + description + u"\r\nNuméro d'erreur : "_s + QString::number(number) + u"\r\nParagraphe : "_s
           + section + u"\r\nLigne suivante : "_s + line + u"\r\n\r\nContinuer le chargement ?"_s;
}

class ProjectStorageTest : public ::testing::Test
{
protected:
    ProjectStorageTest() : m_storage(m_project, m_prompter)
    {
        m_storage.setRecentFiles(&m_recent);
        m_storage.setPictureCheck(m_pictures.check());
    }

    QString writeProject(const QString &name)
    {
        fillFullProject(m_project);
        const QString path = m_dir.filePath(name);
        testfiles::writeBytes(path, ProjectWriter(m_project).toBytes(path));
        m_project.reset();
        return path;
    }

    void expectOpenError(const QString &description, int number, const QString &section, const QString &line,
                         Answer answer)
    {
        m_prompter.expectMessage(openErrorText(description, number, section, line), u"Erreur d'ouverture !"_s,
                                 MessageIcon::Critical, MessageButtons::YesNo, answer);
    }

    QTemporaryDir m_dir;
    MenuProject m_project;
    ScriptedPrompter m_prompter;
    RecordingPictureCheck m_pictures;
    RecordingRecentFiles m_recent;
    ProjectStorage m_storage;
};

} // namespace

TEST_F(ProjectStorageTest, AMissingImageAsksAndYesGoesOnWithTheNextField)
{
    const QString path = writeProject(u"menu.zep"_s);
    m_pictures.missing << u"fond.jpg"_s << u"b2.bmp"_s;
    expectOpenError(u"Fichier introuvable"_s, 53, u"[Général]"_s, u"/media/images/fond.jpg"_s, Answer::Yes);
    expectOpenError(u"Fichier introuvable"_s, 53, u"[Bouton]"_s, fold::fold(MenuButton::codeTemplate(2)), Answer::Yes);

    EXPECT_TRUE(m_storage.open(path));
    EXPECT_EQ(m_project.settings().backgroundImage, u"/media/images/fond.jpg"_s) << "the reference is kept";
    EXPECT_EQ(m_project.settings().fullScreen, 0);
    EXPECT_EQ(m_project.settings().width, 9015);
    EXPECT_EQ(m_project.button(2).hoverCode, u"Bouton2.Left = 10"_s);
    EXPECT_EQ(m_project.path(), path);
    EXPECT_EQ(m_recent.paths, QStringList{path});
    EXPECT_EQ(m_storage.problemCount(), 2);
}

TEST_F(ProjectStorageTest, NoAfterAProblemResetsTheProjectAndRecordsNothing)
{
    const QString path = writeProject(u"menu.zep"_s);
    m_pictures.missing << u"b1.bmp"_s;
    expectOpenError(u"Fichier introuvable"_s, 53, u"[Bouton]"_s, u"film.avi"_s, Answer::No);

    EXPECT_FALSE(m_storage.open(path));
    EXPECT_EQ(m_project.buttonSlotsInUse(), 1);
    EXPECT_EQ(m_project.textSlotsInUse(), 1);
    EXPECT_TRUE(m_project.settings().backgroundImage.isEmpty());
    EXPECT_TRUE(m_project.path().isEmpty());
    EXPECT_TRUE(m_recent.paths.isEmpty());
}

TEST_F(ProjectStorageTest, ANumberFieldThatIsNotANumberIsATypeMismatch)
{
    const QString path = writeProject(u"menu.zep"_s);
    QString text = cp1252::decode(testfiles::readBytes(path));
    text.replace(u"\r\n 65280 \r\n"_s, u"\r\nvert\r\n"_s);
    testfiles::writeBytes(path, cp1252::encode(text));
    expectOpenError(u"Type incompatible"_s, 13, u"[ParamsPlus]"_s, u"vert"_s, Answer::Yes);

    EXPECT_TRUE(m_storage.open(path));
    EXPECT_EQ(m_project.settings().backgroundColour, 16777215) << "the field keeps its former value";
    EXPECT_EQ(m_project.settings().contextMenu, 0) << "the next field is read";
}

TEST_F(ProjectStorageTest, AFontSizeIsItsLeadingNumberWithAPointOrACommaFraction)
{
    const QString path = writeProject(u"menu.zep"_s);
    const QString written = cp1252::decode(testfiles::readBytes(path));
    ASSERT_TRUE(written.contains(u"DejaVu Sans\r\n 12.5 \r\n"_s));
    const struct
    {
        QString line;
        double size;
    } cases[] = {
        {u" 8,25 "_s, 8.25}, {u"8.25"_s, 8.25}, {u" 9pt "_s, 9}, {u"11,"_s, 11}, // read as numbers are
        {u"taille"_s, 10}, {u" 1e999 "_s, 10}, {u" -4 "_s, 10}, {u" 0 "_s, 10},  // no size: the template's
    };
    for (const auto &c : cases) {
        QString text = written;
        text.replace(u"DejaVu Sans\r\n 12.5 \r\n"_s, u"DejaVu Sans\r\n"_s + c.line + u"\r\n"_s);
        testfiles::writeBytes(path, cp1252::encode(text));
        EXPECT_TRUE(m_storage.open(path)) << c.line.toStdString();
        EXPECT_EQ(m_project.text(1).fontSize, c.size) << c.line.toStdString();
        EXPECT_TRUE(m_project.text(1).underline) << "the fields after it are read";
    }
}

TEST_F(ProjectStorageTest, AFileCutShortIsReportedOnce)
{
    const QString path = writeProject(u"menu.zep"_s);
    const QByteArray bytes = testfiles::readBytes(path);
    const qsizetype cut = bytes.indexOf("DejaVu Sans");
    testfiles::writeBytes(path, bytes.left(cut + 13));
    expectOpenError(u"Lecture au-delà de la fin du fichier"_s, 62, u"[Texte]"_s, u"DejaVu Sans"_s, Answer::Yes);

    EXPECT_TRUE(m_storage.open(path));
    EXPECT_EQ(m_project.text(1).fontName, u"DejaVu Sans"_s);
    EXPECT_EQ(m_project.text(1).fontSize, 10) << "the missing lines keep the template's values";
}

TEST_F(ProjectStorageTest, AMissingFileIsReportedAndNeverBecomesTheProjectPath)
{
    const QString path = m_dir.filePath(u"absent.zep"_s);
    expectOpenError(u"Fichier introuvable"_s, 53, QString(), QString(), Answer::Yes);
    EXPECT_FALSE(m_storage.open(path));
    EXPECT_TRUE(m_project.path().isEmpty());
    EXPECT_TRUE(m_recent.paths.isEmpty());
}

TEST_F(ProjectStorageTest, AFileThatIsNoProjectIsRefusedAndTheOpenProjectStays)
{
    const QString path = writeProject(u"menu.zep"_s);
    ASSERT_TRUE(m_storage.open(path));
    const int buttons = m_project.buttonSlotsInUse();
    m_recent.paths.clear();

    for (const QByteArray &bytes : {QByteArray("#!/bin/sh\necho bonjour\n"), QByteArray("\x7f" "ELF\x02\x01\x01"),
                                    QByteArray(), QByteArray("[format]\r\n[ Général]\r\n")}) {
        const QString other = m_dir.filePath(u"notes.txt"_s);
        testfiles::writeBytes(other, bytes);
        m_prompter.expectMessage(u"Le fichier '"_s + other + u"' n'est pas un projet ZEP."_s,
                                 u"Erreur d'ouverture !"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
        EXPECT_FALSE(m_storage.open(other));
        EXPECT_EQ(testfiles::readBytes(other), bytes) << "the file is left as it was";
    }
    EXPECT_EQ(m_project.path(), path);
    EXPECT_EQ(m_project.buttonSlotsInUse(), buttons);
    EXPECT_TRUE(m_recent.paths.isEmpty());

    // One header is enough: a file cut short after it is a damaged project, read as far as it goes.
    const QString damaged = m_dir.filePath(u"abime.zep"_s);
    testfiles::writeBytes(damaged, "[Texte]\r\n");
    expectOpenError(u"Lecture au-delà de la fin du fichier"_s, 62, u"[Texte]"_s, QString(), Answer::No);
    EXPECT_FALSE(m_storage.open(damaged));
}

TEST_F(ProjectStorageTest, QmbFilesGoToTheConverterInAnyCase)
{
    RecordingQmb qmb;
    m_storage.setQmbConverter(&qmb);
    m_project.addButton(ButtonKind::Code);
    EXPECT_FALSE(m_storage.open(m_dir.filePath(u"ANCIEN.QMB"_s)));
    EXPECT_EQ(qmb.converted, QStringList{m_dir.filePath(u"ANCIEN.QMB"_s)});
    EXPECT_EQ(m_project.buttonSlotsInUse(), 1) << "the reader resets first";
}

TEST_F(ProjectStorageTest, SavingUnderANewNameReadsTheProjectBackFromThere)
{
    QDir(m_dir.path()).mkpath(u"new"_s);
    testfiles::writeBytes(m_dir.filePath(u"new/fond.jpg"_s), "x");
    projectsettings::set(m_project, &ProjectSettings::backgroundImage, m_dir.filePath(u"fond.jpg"_s));
    m_project.addText();
    const QString target = m_dir.filePath(u"new/menu.zep"_s);

    const QString current = QDir::currentPath();
    ASSERT_FALSE(m_storage.save(target).isError());
    EXPECT_EQ(m_project.path(), target);
    EXPECT_EQ(m_project.settings().backgroundImage, u"fond.jpg"_s) << "read back as the bare name it was written";
    EXPECT_EQ(m_pictures.loaded, QStringList{m_dir.filePath(u"new/fond.jpg"_s)});
    EXPECT_EQ(m_project.textSlotsInUse(), 2);
    EXPECT_EQ(m_recent.paths, QStringList{target});
    EXPECT_EQ(QDir::currentPath(), current) << "reading never moves the current directory";
}

TEST_F(ProjectStorageTest, AFailedSaveSaysWhyAndLeavesTheOldFileAlone)
{
    const QString path = writeProject(u"menu.zep"_s);
    const QByteArray before = testfiles::readBytes(path);
    ASSERT_TRUE(m_storage.open(path));
    projectsettings::set(m_project, &ProjectSettings::globalCode, u"changé"_s);

    const QString blocked = m_dir.filePath(u"menu.zep/sous.zep"_s); // a file stands where a folder should
    const ZepError error = m_storage.save(blocked);
    EXPECT_EQ(ProjectStorage::saveFailure(error),
              (MessageRequest{u"Erreur pendant l'enregistrement ! (Chemin introuvable)"_s, u"Erreur !"_s,
                              MessageIcon::Critical}));
    EXPECT_TRUE(m_project.path().isEmpty());
    EXPECT_EQ(testfiles::readBytes(path), before);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList{u"menu.zep"_s}) << "no temporary file is left";

    // A pack titles it with its error title, phrase 7.
    Phrases::setPackActive(true);
    Phrases::list() = QStringList(80);
    Phrases::list()[7] = u"Error"_s;
    Phrases::list()[19] = u"Save failed! ("_s;
    Phrases::list()[77] = u"Error!"_s;
    EXPECT_EQ(ProjectStorage::saveFailure(m_storage.save(blocked)),
              (MessageRequest{u"Save failed! (Chemin introuvable)"_s, u"Error"_s, MessageIcon::Critical}));
    Phrases::setPackActive(false);
}

TEST_F(ProjectStorageTest, SavingOverTheSameFileDoesNotReadItAgain)
{
    const QString path = writeProject(u"menu.zep"_s);
    ASSERT_TRUE(m_storage.open(path));
    m_pictures.loaded.clear();
    projectsettings::set(m_project, &ProjectSettings::timerCode, u"nouveau"_s);
    ASSERT_FALSE(m_storage.save(path).isError());
    EXPECT_TRUE(m_pictures.loaded.isEmpty());
    EXPECT_EQ(m_project.settings().timerCode, u"nouveau"_s);
}
