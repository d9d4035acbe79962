#include "ShellFixture.h"

#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "build/CompileRequest.h"
#include "designer/Worksheet.h"
#include "document/DesignerDocument.h"
#include "project/MenuProject.h"
#include "project/ProjectStorage.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

// The program folder needs the player and the files a compilation copies.
void installPackage(const QString &programFolder)
{
    const QDir package(QFileInfo(testfiles::programPath(u"compil.exe"_s)).absolutePath());
    for (const QString &name : package.entryList(QDir::Files)) {
        if (name != u"zep"_s && name != u"zepc"_s)
            QFile::copy(package.filePath(name), QDir(programFolder).filePath(name));
    }
    QFile::setPermissions(QDir(programFolder).filePath(CompileRequest::kLinuxPlayer),
                          QFile::permissions(package.filePath(CompileRequest::kLinuxPlayer)));
}

const QString kBleuWindow = u"#aaaaff"_s; // 16755370

} // namespace

TEST_F(ShellFixture, TestingTheProjectCompilesIntoTheProgramFolderAndRunsThePlayer)
{
    installPackage(m_program.path());
    ASSERT_TRUE(start());
    useBleu();
    // A copy, as the build writes transparency companions beside the images.
    ASSERT_TRUE(session().storage().open(testfiles::copyExample(m_user.filePath(u"demo"_s))));

    qputenv("ZEP_PLAYER_QUIT_AFTER_FIRST_FRAME", "1");
    QString shown;
    QTimer look;
    look.setInterval(1);
    QObject::connect(&look, &QTimer::timeout, [&shown, &look] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            shown = modal->objectName() + u' ' + modal->palette().color(QPalette::Window).name();
            look.stop();
        }
    });
    look.start();
    session().mainWindow()->menus().test->trigger();
    qunsetenv("ZEP_PLAYER_QUIT_AFTER_FIRST_FRAME");
    EXPECT_EQ(shown, u"Form15 "_s + kBleuWindow) << "the test window takes the theme";

    EXPECT_TRUE(QFile::exists(programFile(u"tmp/Autorun.inf"_s)));
    EXPECT_TRUE(QFile::exists(programFile(u"tmp/zep/autorun.exe"_s)));
    EXPECT_TRUE(QFile::exists(programFile(u"tmp/zep/fond.jpg"_s)));
    EXPECT_FALSE(session().worksheet()->isMinimized()) << "restored when the player ended";
    EXPECT_EQ(session().document().selection().chosenCaption(), u"Feuille de travail"_s);
}

TEST_F(ShellFixture, TheCompileDialogTakesTheThemeInUse)
{
    ASSERT_TRUE(start());
    useBleu();
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            shown = modal->objectName() + u' ' + modal->palette().color(QPalette::Window).name();
            modal->reject();
        }
    });
    session().mainWindow()->menus().compileAutorun->trigger();
    EXPECT_EQ(shown, u"Form6 "_s + kBleuWindow);
}

TEST_F(ShellFixture, TheScreenSaverEntryAsksThenWritesOneProgramAndNoAutorun)
{
    installPackage(m_program.path());
    ASSERT_TRUE(start());
    ASSERT_TRUE(session().storage().open(testfiles::copyExample(m_user.filePath(u"demo"_s))));
    const QString out = m_user.filePath(u"sortie"_s);
    QDir().mkpath(out);

    m_prompter.expectFolder({u"Ou sera placé l'écran de veille ?"_s}, out);
    m_prompter.expectInput({u"Nom du projet ?"_s, QString(), QString()}, u"Démo"_s);
    m_prompter.expectInput({u"Auteur du projet ?"_s, QString(), QString()}, u"Moi"_s);
    m_prompter.expectInput({u"Nom de l'écran de veille ?"_s, QString(), QString()}, u"veille"_s);
    m_prompter.expectMessage(u"Copier les fichiers 'RUNTIME' ?"_s, QString(), MessageIcon::Question,
                             MessageButtons::YesNoCancel, Answer::No);
    m_prompter.expectMessage(u"L'écran de veille a été créé ! (Plusieurs fichiers ont été placé dans le sous "
                             u"répertoire ZEP, mais seul le .scr est obligatoire.)"_s,
                             u"ZEP"_s, MessageIcon::Information, MessageButtons::Ok, Answer::Ok);
    session().mainWindow()->menus().compileScreenSaver->trigger();
    EXPECT_TRUE(m_prompter.allAnswered());
    EXPECT_TRUE(QFile::exists(out + u"/zep/veille.scr"_s));
    EXPECT_EQ(QDir(out).entryList({u"autorun.*"_s}, QDir::Files), QStringList());
    EXPECT_FALSE(session().worksheet()->waitPanel()->isVisible()) << "the wait panel goes once done";
}
