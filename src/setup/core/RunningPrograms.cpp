#include "setup/core/RunningPrograms.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace runningprograms {

bool isRunning(const QString &programPath)
{
    const QString wanted = QFileInfo(programPath).canonicalFilePath();
    if (wanted.isEmpty())
        return false;
    const QDir proc(u"/proc"_s);
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool isProcess = false;
        entry.toInt(&isProcess);
        if (!isProcess)
            continue;
        if (QFileInfo(proc.filePath(entry + u"/exe"_s)).symLinkTarget() == wanted)
            return true;
    }
    return false;
}

} // namespace runningprograms
