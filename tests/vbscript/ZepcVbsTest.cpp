#include "support/TestFiles.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// zepc under the given locale (LANG, with LC_ALL and LC_MESSAGES cleared), French by default.
testfiles::ProgramRun runZepc(const QStringList &arguments, const QByteArray &input = {},
                              const QString &lang = u"fr_FR.UTF-8"_s)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(u"LC_ALL"_s);
    environment.remove(u"LC_MESSAGES"_s);
    environment.insert(u"LANG"_s, lang);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(testfiles::programPath(u"zepc"_s), arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

testfiles::ProgramRun runScript(const QByteArray &script, const QString &lang)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"locale.vbs"_s);
    testfiles::writeBytes(path, script);
    return runZepc({u"vbs"_s, path}, {}, lang);
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
    EXPECT_TRUE(run.err.contains("usage: zepc vbs")) << run.err.constData();
}

TEST(ZepcVbs, FollowsTheLocaleAndLanguageOfTheEnvironment)
{
    const QByteArray script = "WScript.Echo MonthName(1), GetLocale(), FormatNumber(1234.5)\r\n"
                              "On Error Resume Next\r\nx = 1 / 0\r\nWScript.Echo Err.Description & \"|\" & Err.Source\r\n"
                              "On Error GoTo 0\r\nx = CInt(\"a\")\r\n";
    const testfiles::ProgramRun english = runScript(script, u"en_US.UTF-8"_s);
    EXPECT_EQ(english.exitCode, 1);
    EXPECT_EQ(english.out, QByteArray("January 1033 1,234.50\nDivision by zero|VBScript runtime error\n"));
    EXPECT_EQ(english.err, QByteArray("Error 13: Type mismatch (line 6)\n"));

    const testfiles::ProgramRun french = runScript(script, u"fr_FR.UTF-8"_s);
    EXPECT_EQ(french.exitCode, 1);
    EXPECT_EQ(french.out, QByteArray("janvier 1036 1\xC2\xA0" "234,50\nDivision par z\xC3\xA9ro|"
                                     "Erreur d'ex\xC3\xA9" "cution VBScript\n"));
    EXPECT_EQ(french.err, QByteArray("Erreur 13 : Type incompatible (ligne 6)\n"));

    // C is English; a language the engine does not speak falls back to French.
    EXPECT_TRUE(runScript("WScript.Echo MonthName(2)\n", u"C"_s).out == "February\n");
    EXPECT_TRUE(runScript("WScript.Echo MonthName(2)\n", u"de_DE.UTF-8"_s).out == "f\xC3\xA9vrier\n");
    EXPECT_TRUE(runScript("WScript.Echo GetLocale()\n", u"en_GB.UTF-8"_s).out == "2057\n");
}
