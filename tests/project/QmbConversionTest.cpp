#include "ProjectFixtures.h"

#include "project/MenuProject.h"
#include "project/ProjectStorage.h"
#include "project/ProjectWriter.h"
#include "project/QmbConversion.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kFolderPrompt = u"Ce projet a besoin d'être ré-enregistré au format ZEP, choisissez un dossier :"_s;

class QmbConversionTest : public ::testing::Test
{
protected:
    QmbConversionTest()
        : m_programFolder(m_program.path() + u'/'), m_conversion(m_prompter, m_programFolder),
          m_storage(m_project, m_prompter)
    {
        m_storage.setQmbConverter(&m_conversion);
        m_storage.setPictureCheck(m_pictures.check());
        QDir(m_dir.path()).mkpath(u"cible"_s);
        testfiles::writeBytes(m_dir.filePath(u"ancien.qmb"_s), "QMB");
    }

    // The fake converter: a shell script given its body.
    void writeConverter(const QByteArray &body)
    {
        const QString path = m_conversion.converterPath();
        testfiles::writeBytes(path, "#!/bin/sh\n" + body + "\n");
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    }

    // A converter that records its arguments and writes a small project as menu.zep.
    void writeWorkingConverter()
    {
        MenuProject converted;
        converted.addText();
        const QString source = m_dir.filePath(u"converti.zep"_s);
        testfiles::writeBytes(source, ProjectWriter(converted).toBytes(source));
        writeConverter("echo \"$1|$2\" > '" + m_dir.filePath(u"arguments.txt"_s).toUtf8() + "'\n"
                       "cp '" + source.toUtf8() + "' \"$1menu.zep\" || exit 1\n"
                       "echo \"  $1menu.zep  \"");
    }

    void expectFailure(const QString &text)
    {
        m_prompter.expectMessage(text, u"Conversion QMB"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    }

    QTemporaryDir m_program;
    QTemporaryDir m_dir;
    QString m_programFolder;
    ScriptedPrompter m_prompter;
    QmbConversion m_conversion;
    MenuProject m_project;
    RecordingPictureCheck m_pictures;
    ProjectStorage m_storage;
};

} // namespace

TEST_F(QmbConversionTest, AConvertedProjectIsReadWithResetAfterTheNotice)
{
    writeWorkingConverter();
    m_project.addButton(ButtonKind::Code);
    m_prompter.expectFolder({kFolderPrompt}, m_dir.filePath(u"cible"_s));
    m_prompter.expectMessage(
        u"Il faudra redéfinir les actions des boutons car elles ne sont pas récupérables d'un fichier QMB."_s,
        u"Conversion terminée"_s, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);

    EXPECT_TRUE(m_storage.open(m_dir.filePath(u"ancien.qmb"_s)));
    const QString folder = m_dir.filePath(u"cible/ancien/"_s);
    EXPECT_EQ(testfiles::readBytes(m_dir.filePath(u"arguments.txt"_s)),
              (folder + u'|' + m_dir.filePath(u"ancien.qmb"_s) + u'\n').toUtf8());
    EXPECT_EQ(m_project.path(), folder + u"menu.zep"_s);
    EXPECT_EQ(m_project.buttonSlotsInUse(), 1);
    EXPECT_EQ(m_project.textSlotsInUse(), 2);
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(QmbConversionTest, OnlyALowerCaseExtensionIsTakenOffTheFolderName)
{
    writeWorkingConverter();
    testfiles::writeBytes(m_dir.filePath(u"VIEUX.QMB"_s), "QMB");
    m_prompter.expectFolder({kFolderPrompt}, m_dir.filePath(u"cible/"_s));
    m_prompter.expectMessage(
        u"Il faudra redéfinir les actions des boutons car elles ne sont pas récupérables d'un fichier QMB."_s,
        u"Conversion terminée"_s, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    EXPECT_TRUE(m_storage.open(m_dir.filePath(u"VIEUX.QMB"_s)));
    EXPECT_EQ(m_project.path(), m_dir.filePath(u"cible/VIEUX.QMB/menu.zep"_s));
}

TEST_F(QmbConversionTest, EveryWayOfFailingSaysSoAndOpensNothing)
{
    const QString qmb = m_dir.filePath(u"ancien.qmb"_s);
    const QString folder = m_dir.filePath(u"cible/ancien/"_s);

    expectFailure(u"Le programme de conversion des fichiers QMB est introuvable :\r\n"_s + m_programFolder +
                  u"qmb2zep"_s);
    EXPECT_FALSE(m_storage.open(qmb));

    writeWorkingConverter();
    m_prompter.expectFolder({kFolderPrompt}, QString());
    m_prompter.expectMessage(u"Erreur dossier !"_s, u"Erreur !"_s, MessageIcon::Critical, MessageButtons::Ok,
                             Answer::Ok);
    EXPECT_FALSE(m_storage.open(qmb));
    EXPECT_FALSE(QFileInfo::exists(folder)) << "no folder chosen, none made";

    writeConverter("echo 'fichier illisible' >&2\nexit 3");
    m_prompter.expectFolder({kFolderPrompt}, m_dir.filePath(u"cible"_s));
    expectFailure(u"La conversion du fichier QMB a échoué (code 3).\r\nfichier illisible"_s);
    EXPECT_FALSE(m_storage.open(qmb));

    writeConverter("echo \"$1absent.zep\"");
    m_prompter.expectFolder({kFolderPrompt}, m_dir.filePath(u"cible"_s));
    expectFailure(u"La conversion n'a pas donné de projet à ouvrir :\r\n"_s + folder + u"absent.zep"_s);
    EXPECT_FALSE(m_storage.open(qmb));

    writeConverter("exit 0");
    m_prompter.expectFolder({kFolderPrompt}, m_dir.filePath(u"cible"_s));
    expectFailure(u"La conversion n'a pas donné de projet à ouvrir."_s);
    EXPECT_FALSE(m_storage.open(qmb));

    writeConverter("sleep 10");
    m_conversion.setTimeout(100);
    m_prompter.expectFolder({kFolderPrompt}, m_dir.filePath(u"cible"_s));
    expectFailure(u"La conversion du fichier QMB ne s'est pas terminée et a été arrêtée."_s);
    EXPECT_FALSE(m_storage.open(qmb));

    testfiles::writeBytes(m_dir.filePath(u"fichier"_s), "pas un dossier");
    m_prompter.expectFolder({kFolderPrompt}, m_dir.filePath(u"fichier"_s));
    expectFailure(u"Impossible de créer le dossier "_s + m_dir.filePath(u"fichier/ancien/"_s) + u" !"_s);
    EXPECT_FALSE(m_storage.open(qmb));

    EXPECT_TRUE(m_project.path().isEmpty());
    EXPECT_TRUE(m_prompter.allAnswered());
}
