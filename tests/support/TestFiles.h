#pragma once

#include <QByteArray>
#include <QString>

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

} // namespace testfiles
