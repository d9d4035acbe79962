#include "support/TestFiles.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ZepcRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ZepcRun zepc(const QStringList &arguments)
{
    QProcess process;
    process.start(testfiles::programPath(u"zepc"_s), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

TEST(FormatCommand, PrintsOneFormatterPassAsUtf8)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"script.vbs"_s);
    testfiles::writeBytes(path, QByteArray("  a=b+1\r\nmsgbox \"\xE9t\xE9\"\r\n"));
    const ZepcRun run = zepc({u"format"_s, path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QByteArray("a = b + 1\r\nMsgBox \"\xC3\xA9t\xC3\xA9\"\r\n"));
}

TEST(FormatCommand, WrongUseAndMissingFiles)
{
    const ZepcRun usage = zepc({u"format"_s});
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_TRUE(usage.err.contains("usage"));
    EXPECT_EQ(zepc({u"format"_s, u"a"_s, u"b"_s}).exitCode, 2);
    const ZepcRun missing = zepc({u"format"_s, u"/nonexistent/x.vbs"_s});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_FALSE(missing.err.isEmpty());
}
