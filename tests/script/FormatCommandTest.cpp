#include "support/TestFiles.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

testfiles::ProgramRun zepc(const QStringList &arguments)
{
    return testfiles::runProgram(u"zepc"_s, arguments);
}

} // namespace

TEST(FormatCommand, PrintsOneFormatterPassAsUtf8)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"script.vbs"_s);
    testfiles::writeBytes(path, QByteArray("  a=b+1\r\nmsgbox \"\xE9t\xE9\"\r\n"));
    const testfiles::ProgramRun run = zepc({u"format"_s, path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QByteArray("a = b + 1\r\nMsgBox \"\xC3\xA9t\xC3\xA9\"\r\n"));
}

TEST(FormatCommand, WrongUseAndMissingFiles)
{
    const testfiles::ProgramRun usage = zepc({u"format"_s});
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_TRUE(usage.err.contains("usage"));
    EXPECT_EQ(zepc({u"format"_s, u"a"_s, u"b"_s}).exitCode, 2);
    const testfiles::ProgramRun missing = zepc({u"format"_s, u"/nonexistent/x.vbs"_s});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_FALSE(missing.err.isEmpty());
}
