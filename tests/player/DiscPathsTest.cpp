#include "player/core/DiscPaths.h"
#include "player/core/ShellCommand.h"
#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(DiscPathsTest, ReferencesOfTheAuthorBecomePathsOfTheDiscOrStayAbsolute)
{
    const DiscPaths linux("/media/cd", "/media/cd/zep");
    EXPECT_EQ(linux.menuFile("fond.jpg"), "/media/cd/zep/fond.jpg");
    EXPECT_EQ(linux.discFile("[LECT]:\\films\\a.avi"), "/media/cd/films/a.avi");
    EXPECT_EQ(linux.discFile("[lect]\\a.avi"), "/media/cd/a.avi");
    EXPECT_EQ(linux.discFile("docs\\notice.pdf"), "/media/cd/docs/notice.pdf");
    EXPECT_EQ(linux.discFile("/usr/bin/eject"), "/usr/bin/eject");
    EXPECT_EQ(linux.discFile("[LECT]:/"), "/media/cd/");

    // On Windows the disc's root is a drive; other drives stay as they are.
    const DiscPaths windows("D:/", "D:/zep");
    EXPECT_EQ(windows.menuFile("fond.jpg"), "D:/zep/fond.jpg");
    EXPECT_EQ(windows.discFile("[LECT]:\\setup.exe"), "D:/setup.exe");
    EXPECT_EQ(windows.discFile("C:\\Windows\\notepad.exe"), "C:/Windows/notepad.exe");
    EXPECT_EQ(windows.discFile("\\\\serveur\\partage"), "//serveur/partage");
}

TEST(DiscPathsTest, ShellCommandsSplitIntoProgramAndArgumentsOrSomethingToOpen)
{
    const DiscPaths paths("/cd", "/cd/zep");
    const auto check = [&](const char *line, ShellCommand::Kind kind, const char *target, const char *arguments) {
        const ShellCommand command = ShellCommand::parse(line, paths);
        EXPECT_EQ(int(command.kind), int(kind)) << line;
        EXPECT_EQ(command.target, target) << line;
        EXPECT_EQ(command.arguments, arguments) << line;
    };
    check("\"C:\\Program Files\\lire.exe\" /f \"a b\"", ShellCommand::Kind::Run, "C:/Program Files/lire.exe",
          "/f \"a b\"");
    check("  outils\\setup.exe  -q ", ShellCommand::Kind::Run, "/cd/outils/setup.exe", "-q");
    check("\"explorer \"[LECT]:\\docs\"\"", ShellCommand::Kind::Open, "/cd/docs", "");
    check("EXPLORER http://exemple.org/", ShellCommand::Kind::Open, "http://exemple.org/", "");
    check("\"MAILTO:moi@exemple.org?subject=a b\"", ShellCommand::Kind::Open, "MAILTO:moi@exemple.org?subject=a b", "");
    check("\"https://exemple.org/a b\" x", ShellCommand::Kind::Open, "https://exemple.org/a b", "");
    check("  ", ShellCommand::Kind::Nothing, "", "");
    check("\"\"", ShellCommand::Kind::Nothing, "", "");
}

TEST(DiscPathsTest, AProgramNameWithoutFolderGoesToTheSystemWithItsVariablesExpanded)
{
    const DiscPaths paths("/cd", "/cd/zep");
    setenv("ZEP_ESSAI_DOSSIER", "/opt/outils été", 1);
    unsetenv("ZEP_ESSAI_ABSENT");
    const auto run = [&](const char *line) {
        const ShellCommand command = ShellCommand::parse(line, paths);
        EXPECT_EQ(int(command.kind), int(ShellCommand::Kind::Run)) << line;
        return command.target + " | " + command.arguments;
    };
    EXPECT_EQ(run("notepad.exe lisez-moi.txt"), "notepad.exe | lisez-moi.txt");
    EXPECT_EQ(run("calc"), "calc | ");
    EXPECT_EQ(run("\"%ZEP_ESSAI_DOSSIER%\\lire.exe\" 100%"), "/opt/outils été/lire.exe | 100%");
    EXPECT_EQ(run("%ZEP_ESSAI_ABSENT%\\a.exe %%"), "/cd/%ZEP_ESSAI_ABSENT%/a.exe | %%");
    EXPECT_EQ(run("outils\\setup.exe"), "/cd/outils/setup.exe | ") << "a folder makes it a file of the disc";
    EXPECT_EQ(run("C:setup.exe"), "/cd/C:setup.exe | ");

    // A program of the disc by its bare name stays the disc's.
    QTemporaryDir disc;
    testfiles::writeBytes(disc.filePath(u"setup.exe"_s), "MZ");
    const ShellCommand ours = ShellCommand::parse("setup.exe -q", DiscPaths(disc.path().toStdString(), ""));
    EXPECT_EQ(ours.target, disc.filePath(u"setup.exe"_s).toStdString());
}
