#include "app/core/PluginList.h"

#include "common/LineReader.h"

#include <QFile>

using namespace Qt::StringLiterals;

PluginList::Result PluginList::read(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly)) {
        Result failed;
        failed.error = ZepError::about(ErrorCode::PermissionDenied, path);
        return failed;
    }
    return parse(file.readAll());
}

PluginList::Result PluginList::parse(const QByteArray &bytes)
{
    Result result;
    LineReader reader(bytes);
    QString line;
    while (reader.next(&line)) {
        if (line == u"[DEBUT]"_s) {
            result.startFound = true;
            break;
        }
    }
    if (!result.startFound)
        return result;
    QString caption;
    while (reader.next(&caption)) {
        QString command;
        if (!reader.next(&command)) {
            result.error = ZepError(ErrorCode::InputPastEnd);
            break;
        }
        result.entries.append({caption, command});
    }
    return result;
}
