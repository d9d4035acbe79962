#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace testfiles {

// tests/data/<name>
QString dataPath(const QString &name);
QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &bytes);

// Compares bytes with the golden file tests/data/<name>; ZEP_UPDATE_GOLDEN=1 rewrites
// it instead. On a difference the actual bytes are left beside the test binary.
void expectGolden(const QString &name, const QByteArray &actual);

// The program folder of the build (zepc, compil.exe, …).
QString programPath(const QString &program);

// A finished run of one of the package's programs.
struct ProgramRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    QString outText() const { return QString::fromUtf8(out); }
    QString errText() const { return QString::fromUtf8(err); }
};
ProgramRun runProgram(const QString &program, const QStringList &arguments, const QByteArray &input = {});

// The bundled example project, and a copy of its folder for tests that write beside it.
QString exampleProject();
QString copyExample(const QString &folder);

} // namespace testfiles
