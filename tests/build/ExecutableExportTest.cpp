#include "BuildFixtures.h"

#include "build/BuildHooks.h"
#include "build/CompileEngine.h"
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

class RecordingHooks : public BuildHooks
{
public:
    RecordingHooks(MenuProject &project, QString folder) : m_project(project), m_folder(std::move(folder)) {}

    void prepareForBuild() override { calls << u"prepare"_s; }
    void showWaitPanels(bool visible) override { calls << (visible ? u"wait"_s : u"done"_s); }

    QStringList calls;

private:
    MenuProject &m_project;
    QString m_folder;
};

class ExecutableExportTest : public ::testing::Test
{
protected:
    ExecutableExportTest()
    {
        buildfixtures::fillMenu(m_project, m_dir.filePath(u"projet"_s));
        QDir().mkpath(m_target);
        buildfixtures::writeFile(m_target + u"zep/earlier.exe"_s, "an earlier menu");
    }

    ~ExecutableExportTest() override { EXPECT_TRUE(m_prompter.allAnswered()); }

    void expectFolder(const QString &answer)
    {
        m_prompter.expectFolder({u"Ou sera placé l'exécutable ?"_s}, answer);
    }
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
    // Runs and shows the outcome the way the designer does; true when written.
    bool run()
    {
        const CompileOutcome outcome = m_export.run();
        if (outcome.hasNotice())
            m_prompter.message(outcome.notice);
        return outcome.isWritten();
    }
    bool exists(const QString &name) const { return QFileInfo::exists(m_target + name); }

    QTemporaryDir m_dir;
    QString m_target = m_dir.filePath(u"sortie/"_s);
    MenuProject m_project;
    ScriptedPrompter m_prompter;
    RecordingHooks m_hooks{m_project, m_dir.filePath(u"projet"_s)};
    ExecutableExport m_export{m_project,  m_dir.filePath(u"projet/"_s),
                              m_prompter, testfiles::programPath(QString()),
                              m_hooks,    ExecutableExport::Kind::executable()};
};

} // namespace

TEST_F(ExecutableExportTest, TheMenuBecomesOneNamedProgramWithItsFilesAndNoAutorun)
{
    expectAnswers(u"menu"_s, Answer::Yes);
    expectSuccess();
    ASSERT_TRUE(run());

    EXPECT_EQ(m_export.programFile(), m_target + u"zep/menu.exe"_s);
    EXPECT_FALSE(buildfixtures::appendedData(m_target + u"zep/menu.exe"_s).isEmpty());
    for (const QString &gone : {u"autorun.inf"_s, u"zep/autorun.exe"_s, u"zep/install.bat"_s, u"zep/autorun.ico"_s,
                                u"zep/earlier.exe"_s})
        EXPECT_FALSE(exists(gone)) << gone.toStdString();
    for (const QString &runtime : CompileEngine::runtimeFiles())
        EXPECT_TRUE(exists(u"zep/"_s + runtime)) << runtime.toStdString();
    EXPECT_EQ(m_hooks.calls, (QStringList{u"prepare"_s, u"wait"_s, u"done"_s}));
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
        EXPECT_TRUE(exists(u"zep/earlier.exe"_s));
        EXPECT_EQ(m_hooks.calls.mid(m_hooks.calls.size() - 2), (QStringList{u"wait"_s, u"done"_s}));
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

    expectAnswers(u"pas/de/dossier"_s, Answer::No);
    m_prompter.expectMessage(u"Erreur d'accès au chemin/fichier : "_s + m_target + u"zep/pas/de/dossier.exe"_s,
                             u"Erreur n°75"_s, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok);
    EXPECT_FALSE(run());
    EXPECT_TRUE(exists(u"zep/autorun.exe"_s));
}

TEST(ExecutableExportKinds, AScreenSaverIsTheSameExportWithItsOwnWords)
{
    EXPECT_EQ(ExecutableExport::Kind::screenSaver().word, u"écran de veille"_s);
    EXPECT_EQ(ExecutableExport::Kind::screenSaver().extension, u"scr"_s);
}
