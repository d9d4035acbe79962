#include "cli/FormatCommand.h"

#include "common/Cp1252.h"
#include "script/ScriptFormatter.h"

#include <QFile>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void printError(const QString &text)
{
    const QByteArray bytes = (text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

} // namespace

int runFormatCommand(const QStringList &arguments)
{
    if (arguments.size() != 1) {
        printError(u"usage: zepc format FILE"_s);
        return 2;
    }
    QFile file(arguments.first());
    if (!file.open(QIODevice::ReadOnly)) {
        printError(arguments.first() + u": "_s + file.errorString());
        return 1;
    }
    const QByteArray bytes = scriptformatter::format(cp1252::decode(file.readAll())).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
    return 0;
}
