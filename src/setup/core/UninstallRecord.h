#pragma once

#include "common/ZepError.h"

#include <QString>

// "desinstall.zdu": its presence beside the installer switches it to uninstallation.
namespace uninstallrecord {

QString fileName();
bool liesIn(const QString &folder);
ZepError write(const QString &folder);

} // namespace uninstallrecord
