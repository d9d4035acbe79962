#include "support/TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

testfiles::ProgramRun runZepc(const QStringList &arguments, const QByteArray &input = {})
{
    return testfiles::runProgram(u"zepc"_s, arguments, input);
}

} // namespace

TEST(ZepcVbs, RunsAScriptWithAConsoleHost)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"menu.vbs"_s);
    // Windows-1252 without a BOM: "é" is the single byte E9.
    testfiles::writeBytes(path, "WScript.Echo \"a\", 1 + 1, 2.5\r\nMsgBox \"caf\xE9\"\r\n"
                                "n = InputBox(\"Nom ?\")\r\nWScript.Echo \"<\" & n & \">\"\r\n");
    const testfiles::ProgramRun run = runZepc({u"vbs"_s, path}, "Zo\xC3\xA9\n");
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, QByteArray("a 2 2.5\ncaf\xC3\xA9\n<Zo\xC3\xA9>\n"));
}

TEST(ZepcVbs, ReadsUtf8WithABom)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"utf8.vbs"_s);
    testfiles::writeBytes(path, "\xEF\xBB\xBFWScript.Echo \"\xC3\xA9t\xC3\xA9\"\n");
    const testfiles::ProgramRun run = runZepc({u"vbs"_s, path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QByteArray("\xC3\xA9t\xC3\xA9\n"));
}

TEST(ZepcVbs, UnhandledErrorsGoToStandardErrorWithExitStatus1)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"bad.vbs"_s);
    testfiles::writeBytes(path, "WScript.Echo \"avant\"\r\nx = 1 / 0\r\n");
    const testfiles::ProgramRun run = runZepc({u"vbs"_s, path});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, QByteArray("avant\n"));
    EXPECT_EQ(run.err, QByteArray("Erreur 11 : Division par z\xC3\xA9ro (ligne 2)\n"));
}

TEST(ZepcVbs, WrongArgumentsPrintUsage)
{
    const testfiles::ProgramRun run = runZepc({u"vbs"_s});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith("usage: zepc vbs"));
}
