#include "ShellFixture.h"

#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "build/CompileRequest.h"
#include "designer/Worksheet.h"
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
    EXPECT_EQ(session().project().chosenCaption(), u"Feuille de travail"_s);
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
