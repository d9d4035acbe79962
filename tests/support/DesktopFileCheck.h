#pragma once

#include <QString>

namespace testfiles {

// What desktop-file-validate says against a desktop entry or directory file, its hints
// left out: empty when the file is valid.
QString desktopFileProblems(const QString &path);

} // namespace testfiles
