#pragma once

#include <QString>

namespace folderfiles {

// Deletes the files directly inside folder, hidden ones too, then the folder itself
// when that left it empty: a sub-folder keeps it, and everything in it.
void removeFilesAndFolder(const QString &folder);

} // namespace folderfiles
