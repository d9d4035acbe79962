#include "app/core/CommandLine.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

CommandLine CommandLine::parse(const QStringList &arguments, const FileExists &fileExists)
{
    return parse(arguments.join(u' '), fileExists);
}

CommandLine CommandLine::parse(const QString &line, const FileExists &fileExists)
{
    CommandLine result;
    const QString text = QString(line).remove(u'"');
    if (text == u"debogage"_s)
        result.m_maintenance = true;
    else if (text.endsWith(u".zep"_s, Qt::CaseSensitive) && fileExists(text))
        result.m_startupProject = QFileInfo(text).absoluteFilePath();
    return result;
}

bool CommandLine::isExistingFile(const QString &path)
{
    return QFileInfo(path).isFile();
}
