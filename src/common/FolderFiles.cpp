#include "common/FolderFiles.h"

#include <QDir>

namespace folderfiles {

void removeFilesAndFolder(const QString &folder)
{
    QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        dir.remove(name);
    QDir().rmdir(folder);
}

} // namespace folderfiles
