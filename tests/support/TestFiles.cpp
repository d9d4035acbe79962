#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace testfiles {

QString dataPath(const QString &name)
{
    return QDir(QStringLiteral(ZEP_TEST_DATA_DIR)).filePath(name);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

void expectGolden(const QString &name, const QByteArray &actual)
{
    const QString path = dataPath(name);
    if (qEnvironmentVariableIntValue("ZEP_UPDATE_GOLDEN") == 1) {
        writeBytes(path, actual);
        return;
    }
    const QByteArray expected = readBytes(path);
    if (expected == actual)
        return;
    const QString actualPath = QDir::current().filePath(u"actual/"_s + name);
    writeBytes(actualPath, actual);
    qsizetype at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at])
        ++at;
    ADD_FAILURE() << "differs from golden " << name.toStdString() << " at byte " << at << "; actual written to "
                  << actualPath.toStdString();
}

QString programPath(const QString &program)
{
    return QDir(QStringLiteral(ZEP_PROGRAM_DIR)).filePath(program);
}

ProgramRun runProgram(const QString &program, const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    process.start(programPath(program), arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QString exampleProject()
{
    return QDir(dataPath(u"../../examples/demo"_s)).absoluteFilePath(u"demo.zep"_s);
}

QString copyExample(const QString &folder)
{
    const QDir from(QFileInfo(exampleProject()).absolutePath());
    QDir().mkpath(folder);
    for (const QString &name : from.entryList(QDir::Files))
        QFile::copy(from.filePath(name), QDir(folder).filePath(name));
    return QDir(folder).filePath(u"demo.zep"_s);
}

} // namespace testfiles
