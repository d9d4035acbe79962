#include "cli/FormatCommand.h"

#include "cli/CommandLine.h"
#include "cli/ConsoleOutput.h"
#include "common/Cp1252.h"
#include "script/ScriptFormatter.h"

#include <QFile>

#include <cstdio>

using namespace Qt::StringLiterals;

int runFormatCommand(const CommandLine &line)
{
    const QStringList &arguments = line.arguments();
    QFile file(arguments.first());
    if (!file.open(QIODevice::ReadOnly)) {
        console::error(arguments.first() + u": "_s + file.errorString());
        return 1;
    }
    const QByteArray bytes = scriptformatter::format(cp1252::decode(file.readAll())).toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
    return 0;
}
