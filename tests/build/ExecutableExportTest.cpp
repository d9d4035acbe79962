#include "BuildFixtures.h"

#include "build/CompileEngine.h"
#include "build/DiscFile.h"
#include "build/ExecutableExport.h"
#include "build/TransparencyRenderer.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ExecutableExportTest : public ::testing::Test
{
protected:
    ExecutableExportTest()
    {
        buildfixtures::fillMenu(m_project, m_dir.filePath(u"projet"_s));
        TransparencyRenderer(m_project, m_dir.filePath(u"projet"_s)).prepareForBuild();
        QDir().mkpath(m_target);
        buildfixtures::writeFile(m_target + u"zep/earlier.exe"_s, "an earlier menu");
    }

    ~ExecutableExportTest() override { EXPECT_TRUE(m_prompter.allAnswered()); }

    void expectFolder(const QString &answer) { m_prompter.expectFolder({u"Ou sera placé l'exécutable ?"_s}, answer); }
    void expectInput(const QString &prompt, const QString &answer)
    {
        m_prompter.expectInput({prompt, QString(), QString()}, answer);
    }
    void expectRuntimeQuestion(Answer answer)
    {
        m_prompter.expectMessage(u"Copier les fichiers 'RUNTIME' ?"_s, QString(), MessageIcon::Question,
                                 MessageButtons::YesNoCancel, answer);
    }
    void expectAnswers(const QString &name, Answer runtime)
    {
        expectFolder(m_target);
        expectInput(u"Nom du projet ?"_s, u"Mon menu"_s);
        expectInput(u"Auteur du projet ?"_s, u"Moi"_s);
        expectInput(u"Nom de l'exécutable ?"_s, name);
        expectRuntimeQuestion(runtime);
    }
    void expectSuccess()
    {
        m_prompter.expectMessage(u"L'exécutable a été créé ! (Plusieurs fichiers ont été placé dans le sous "
                                 u"répertoire ZEP, mais seul le .exe est obligatoire.)"_s,
                                 u"ZEP"_s, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    }
    // Asks, runs and shows the outcome the way the designer does; true when written.
    bool run()
    {
        const auto request = ExecutableExport::ask(m_prompter, ExecutableExport::Kind::executable());
        m_asked = request.has_value();
        if (!request)
            return false;
        const CompileOutcome outcome = m_export.run(*request);
        if (outcome.hasNotice())
            m_prompter.message(outcome.notice);
        return outcome.isWritten();
    }
    // Names on a disc have no case: a file in any case is there.
    bool exists(const QString &name) const
    {
        const QString path = m_target + name;
        return discfile::exists(QFileInfo(path).absolutePath() + u'/', QFileInfo(path).fileName());
    }

    QTemporaryDir m_dir;
    QString m_target = m_dir.filePath(u"sortie/"_s);
    MenuProject m_project;
    ScriptedPrompter m_prompter;
    bool m_asked = false;
    ExecutableExport m_export{m_project, m_dir.filePath(u"projet/"_s), testfiles::programPath(QString())};
};

} // namespace

TEST_F(ExecutableExportTest, TheMenuBecomesOneNamedProgramWithItsFilesAndNoAutorun)
{
    expectAnswers(u"menu"_s, Answer::Yes);
    expectSuccess();
    ASSERT_TRUE(run());

    EXPECT_EQ(m_export.programFile(), m_target + u"zep/menu.exe"_s);
    EXPECT_FALSE(buildfixtures::appendedData(m_target + u"zep/menu.exe"_s).isEmpty());
    for (const QString &gone :
         {u"autorun.inf"_s, u"zep/autorun.exe"_s, u"zep/install.bat"_s, u"zep/autorun.ico"_s, u"zep/earlier.exe"_s})
        EXPECT_FALSE(exists(gone)) << gone.toStdString();
    for (const QString &runtime : CompileEngine::runtimeFiles())
        EXPECT_TRUE(exists(u"zep/"_s + runtime)) << runtime.toStdString();
}

TEST_F(ExecutableExportTest, ANameWithItsOwnExtensionKeepsItAndNoMeansNoRuntime)
{
    expectAnswers(u"menu.exe"_s, Answer::No);
    expectSuccess();
    ASSERT_TRUE(run());
    EXPECT_TRUE(exists(u"zep/menu.exe.exe"_s));
    for (const QString &runtime : CompileEngine::runtimeFiles())
        EXPECT_FALSE(exists(u"zep/"_s + runtime)) << runtime.toStdString();
}

TEST_F(ExecutableExportTest, CancellingAnyQuestionKeepsTheEarlierMenuAndSaysNothing)
{
    const auto cancelled = [this] {
        EXPECT_FALSE(run());
        EXPECT_FALSE(m_asked) << "nothing to run";
        EXPECT_TRUE(exists(u"zep/earlier.exe"_s));
    };
    expectFolder(QString());
    cancelled();

    expectFolder(m_target);
    expectInput(u"Nom du projet ?"_s, QString());
    cancelled();

    expectFolder(m_target);
    expectInput(u"Nom du projet ?"_s, u"Mon menu"_s);
    expectInput(u"Auteur du projet ?"_s, QString());
    cancelled();

    expectFolder(m_target);
    expectInput(u"Nom du projet ?"_s, u"Mon menu"_s);
    expectInput(u"Auteur du projet ?"_s, u"Moi"_s);
    expectInput(u"Nom de l'exécutable ?"_s, QString());
    cancelled();

    expectAnswers(u"menu"_s, Answer::Cancel);
    cancelled();
}

TEST_F(ExecutableExportTest, APathThatIsNoFolderIsAskedAgain)
{
    m_prompter.expectFolder({u"Ou sera placé l'exécutable ?"_s}, m_dir.filePath(u"nulle part"_s));
    m_prompter.expectMessage(u"Chemin incorrect."_s, u"Erreur"_s, MessageIcon::Critical, MessageButtons::Ok,
                             Answer::Ok);
    expectFolder(QString());
    EXPECT_FALSE(run());
}

TEST_F(ExecutableExportTest, NamesThatWouldLoseThePlayerKeepIt)
{
    expectAnswers(u"autorun"_s, Answer::No);
    expectSuccess();
    ASSERT_TRUE(run());
    EXPECT_TRUE(exists(u"zep/autorun.exe"_s));

    // Where names have no case this is the player's own file: it is renamed, not lost.
    expectAnswers(u"AUTORUN"_s, Answer::No);
    expectSuccess();
    ASSERT_TRUE(run());
    EXPECT_TRUE(QFileInfo::exists(m_target + u"zep/AUTORUN.exe"_s));
    EXPECT_EQ(QDir(m_target + u"zep"_s).entryList({u"*.exe"_s}, QDir::Files), QStringList{u"AUTORUN.exe"_s});

    expectAnswers(u"pas/de/dossier"_s, Answer::No);
    m_prompter.expectMessage(u"Le nom de l'exécutable 'pas/de/dossier' est incorrect : il doit être un simple nom de "
                             u"fichier, sans chemin, sans '..' et sans aucun des caractères \\ / : * ? \" < > |"_s,
                             u"Erreur"_s, MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok);
    EXPECT_FALSE(run());
    EXPECT_TRUE(exists(u"zep/autorun.exe"_s)) << "refused before anything was removed";
}

TEST_F(ExecutableExportTest, ANameLeadingOutOfTheFolderIsRefusedAndWritesNothing)
{
    for (const QString &name : {u"../../hors"_s, u".."_s, u"sous\\menu"_s}) {
        expectAnswers(name, Answer::No);
        m_prompter.expectMessage(u"Le nom de l'exécutable '"_s + name +
                                     u"' est incorrect : il doit être un simple nom de fichier, sans chemin, sans "
                                     u"'..' et sans aucun des caractères \\ / : * ? \" < > |"_s,
                                 u"Erreur"_s, MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok);
        EXPECT_FALSE(run());
    }
    EXPECT_EQ(buildfixtures::listing(m_dir.path()).count(u".exe"_s), 1)
        << buildfixtures::listing(m_dir.path()).toStdString();
    EXPECT_TRUE(exists(u"zep/earlier.exe"_s));
}

TEST_F(ExecutableExportTest, AnEarlierAutorunInAnyCaseGoesToo)
{
    buildfixtures::writeFile(m_target + u"AUTORUN.INF"_s, "[autorun]\r\nopen=ancien.exe\r\n");
    buildfixtures::writeFile(m_target + u"ZEP/Install.BAT"_s, "ancien");
    QDir(m_target + u"zep"_s).removeRecursively();
    expectAnswers(u"menu"_s, Answer::No);
    expectSuccess();
    ASSERT_TRUE(run());
    EXPECT_FALSE(exists(u"autorun.inf"_s));
    EXPECT_FALSE(exists(u"zep/install.bat"_s));
    EXPECT_TRUE(exists(u"zep/menu.exe"_s));
}

TEST(ExecutableExportKinds, AScreenSaverIsTheSameExportWithItsOwnWords)
{
    EXPECT_EQ(ExecutableExport::Kind::screenSaver().word, u"écran de veille"_s);
    EXPECT_EQ(ExecutableExport::Kind::screenSaver().extension, u"scr"_s);
}
